# Turns the report's page template into a C++ source that holds its bytes:
#   cmake -DENTRADA=informe.html -DSALIDA=PlantillaInforme.cpp -P tools/incrustar_plantilla.cmake
# The source defines kPlantillaInforme (the bytes, with a terminating zero) and
# kLongitudPlantillaInforme (their count), declared in src/report/PlantillaInforme.h.
file(READ "${ENTRADA}" hex HEX)
string(LENGTH "${hex}" digitos)
math(EXPR longitud "${digitos} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
# Sixteen bytes a line.
string(REGEX REPLACE "(('\\\\x[0-9a-f][0-9a-f]',){16})" "\\1\n    " bytes "${bytes}")
file(WRITE "${SALIDA}.tmp"
     "// Generated from ${ENTRADA} by tools/incrustar_plantilla.cmake; do not edit.\n"
     "#include \"report/PlantillaInforme.h\"\n\n"
     "const char kPlantillaInforme[] = {\n    ${bytes}'\\0'};\n"
     "const std::size_t kLongitudPlantillaInforme = ${longitud};\n")
file(COPY_FILE "${SALIDA}.tmp" "${SALIDA}" ONLY_IF_DIFFERENT)
file(REMOVE "${SALIDA}.tmp")

#include "shell/TPrincipal.h"

#include <cstdio>
#include <ctime>
#include <exception>
#include <filesystem>
#include <sys/stat.h>

#include "base/Directorios.h"
#include "base/ErrorFatal.h"
#include "base/TextoLatin1.h"
#include "building/Edificio.h"
#include "building/RevisionEdificio.h"
#include "climate/Excitacion.h"
#include "climate/Meteo.h"
#include "compliance/ComprobarRequisitos.h"
#include "compliance/DatosComprobacion.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ListaSchedule.h"
#include "input/RevisionBDL.h"
#include "input/RevisionClaves.h"
#include "input/ValoresPorDefecto.h"
#include "shell/Consola.h"
#include "shell/SalidaTexto.h"

namespace {
constexpr int kEtapas = 8;

// The platform's file-existence test: false for directories.
bool existeFichero(const std::string& ruta) {
    struct stat st;
    return !ruta.empty() && ::stat(ruta.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}
} // namespace

TPrincipal::TPrincipal(std::string ejecutable)
    : ejecutable_(std::move(ejecutable)), visible_(Consola::esTerminal()) {}

TPrincipal::~TPrincipal() {
    liberar();
}

void TPrincipal::PonerArgumentos(const std::string& bdl, const std::string& clima,
                                 const std::string& zona, const std::string& resultados,
                                 const std::string& limites, const std::string& defectos) {
    FicheroBDL = bdl;
    FicheroClima = clima;
    ZonaClimatica = zona;
    FicheroResultados = resultados;
    FicheroLimites = limites;
    FicheroDefectos = defectos;
    parametros_ = {bdl, clima, zona, resultados, limites, defectos};
}

// Console progress: caption, label and a bar redrawn in place on standard error.
void TPrincipal::avanzar(int etapa, const char* texto) {
    if (!visible_) return;
    label_ = texto;
    const int ancho = 30;
    int lleno = etapa * ancho / kEtapas;
    std::string barra(static_cast<std::size_t>(lleno), '#');
    barra.append(static_cast<std::size_t>(ancho - lleno), '.');
    std::string linea =
        "\r" + caption_ + (caption_.empty() ? "" : " | ") + label_ + " [" + barra + "]";
    std::fputs(aUtf8(linea).c_str(), stderr);
    if (etapa >= kEtapas) std::fputc('\n', stderr);
    std::fflush(stderr);
}

void TPrincipal::Calcular() {
    etapa("lectura");
    registrarDirectorios(); // 1-4
    comprobarEntradas();    // 5
    if (revisar_) {
        revisar();
        destruir();
        return;
    }
    leerEntradas(); // 6-9
    etapa("edificio");
    construirEdificio(); // 10-12
    etapa("clima");
    leerClima(); // 13-14
    etapa("comprobacion");
    comprobarRequisitos(); // 15
    etapa("veredicto");
    escribirVeredicto(); // 16: the verdict (and the report), then the objects are destroyed
    etapa(nullptr);
    if (!carpetaInforme_.empty()) escribirInforme(false, "");
    destruir();
}

// Directories of the arguments, the error-log path beside the results file, and the run hub.
void TPrincipal::registrarDirectorios() {
    directorios_ = &Directorios::instancia();
    directorios_->registrar("Exe", Directorios::extraerDirectorio(ejecutable_));
    directorios_->registrar("Dat", Directorios::extraerDirectorio(FicheroBDL));
    directorios_->registrar("Met", Directorios::extraerDirectorio(FicheroClima));
    directorios_->registrar("Lib", Directorios::extraerDirectorio(FicheroLimites));
    directorios_->registrar("Res", Directorios::extraerDirectorio(FicheroResultados));
    directorios_->registrar("Tmp", Directorios::extraerDirectorio(FicheroResultados));
    std::string rutaErrorLog = directorios_->rutaTmp("Error.log");

    global_ = std::make_unique<Global2>(rutaErrorLog);
    gGlobal2 = global_.get();
    global_->ponerModo("DEMANDA");
    if (!carpetaInforme_.empty()) {
        global_->resultados().activar();
        global_->copiarLog();
        datos_ = std::make_unique<DatosComprobacion>();
    }
    avanzar(1, "Lectura de datos...");
}

// Every input must exist: building, climate, limits, defaults and catalogue, in this order.
void TPrincipal::comprobarEntradas() {
    auto exige = [](const std::string& ruta) {
        comprobar(existeFichero(ruta), "El fichero " + ruta + " no existe");
    };
    exige(FicheroBDL);
    exige(FicheroClima);
    exige(FicheroLimites);
    FicheroDefectos = directorios_->rutaLib(FicheroDefectos);
    exige(FicheroDefectos);
    catalogo_ = directorios_->rutaLib("BDCatalogo.bdc");
    exige(catalogo_);
}

// The building reader, the defaults and the calculation parameters (which open the files).
void TPrincipal::leerEntradas() {
    bdl_ = std::make_unique<LeerBDL>(FicheroBDL, catalogo_);
    gLeerBDL = bdl_.get();
    defectos_ = std::make_unique<ValoresPorDefecto>(FicheroDefectos);
    gDefectos = defectos_.get();
    global_->leerParametros(*bdl_, defectos_.get(), FicheroResultados);

    caption_ = "Limitaci\xF3n de demanda energ\xE9tica de edificios CTE-HE";
    avanzar(2, "Comprobaci\xF3n de requerimientos minimos...");
}

// Solar excitation, schedules and the building model.
void TPrincipal::construirEdificio() {
    excitacion_ = std::make_unique<Excitacion>(FicheroClima, 1);
    gExcitacion = excitacion_.get();
    schedules_ = std::make_unique<ListaSchedule>(*bdl_);
    gSchedules = schedules_.get();
    avanzar(3, "Modelo del edificio...");
    edificio_ = std::make_unique<Edificio>("INDIRECTO", "DEMANDA", FicheroClima);
    gEdificio = edificio_.get();
}

// Monthly climate values, and the interior conditions: 20 degC and 75 % every month.
void TPrincipal::leerClima() {
    avanzar(5, "Clima...");
    // A climate a batch read beforehand is used in place: its hours are never copied.
    auto leido = climas_ ? climas_->find(FicheroClima) : ClimasLeidos::const_iterator();
    if (climas_ && leido != climas_->end()) {
        clima_ = leido->second;
    } else {
        auto meteo = std::make_shared<Meteo>();
        meteo->leerClima(FicheroClima);
        meteo->valoresMensuales();
        clima_ = std::move(meteo);
    }
    for (int m = 0; m < 12; ++m) {
        Te_[m] = clima_->temperaturaMensual[m];
        HRe_[m] = clima_->humedadMensual[m];
        Ti_[m] = 20.0f;
        HRi_[m] = 75.0f;
        HRiEntregada_[m] = HRi_[m];
    }
}

void TPrincipal::comprobarRequisitos() {
    avanzar(6, "Comprobaci\xF3n de requerimientos minimos...");
    ComprobarRequisitos(*edificio_, Te_, clima_->temperaturaAnual, Ti_, HRe_, HRi_, ZonaClimatica,
                        FicheroLimites, datos_.get());
}

void TPrincipal::escribirVeredicto() {
    avanzar(7, "Veredicto...");
    global_->escribirVeredicto();
}

// The review: the building reader and the defaults watched, the text of the building file
// reviewed, then the model built as far as the partitions (nothing written) and reviewed.
void TPrincipal::revisar() {
    global_->ponerRevision(true);
    vigia_ = std::make_unique<RevisionClaves>(global_->avisos());
    bdl_ = std::make_unique<LeerBDL>(FicheroBDL, catalogo_);
    bdl_->vigilar(vigia_.get());
    gLeerBDL = bdl_.get();
    RevisionBDL(*bdl_, RevisionEdificio::tiposLeidos(), global_->avisos()).ejecutar();
    defectos_ = std::make_unique<ValoresPorDefecto>(FicheroDefectos, vigia_.get());
    gDefectos = defectos_.get();
    global_->leerParametros(*bdl_, defectos_.get(), FicheroResultados);
    avanzar(3, "Modelo del edificio...");
    schedules_ = std::make_unique<ListaSchedule>(*bdl_);
    gSchedules = schedules_.get();
    edificio_ = std::make_unique<RevisionEdificio>(global_->avisos());
    gEdificio = edificio_.get();
}

void TPrincipal::recogerDelHub() {
    if (!global_) return;
    avisos_ = global_->avisos().ordenados();
    notas_ = global_->notasSinVeredicto();
    marcos_ = global_->pilaObjetos().alFallar();
}

// The objects in their order of destruction; the run pointers are cleared with them.
void TPrincipal::destruir() {
    clima_.reset();
    edificio_.reset();
    gEdificio = nullptr;
    defectos_.reset();
    gDefectos = nullptr;
    recogerDelHub();
    global_.reset();
    gGlobal2 = nullptr;
    bdl_.reset();
    gLeerBDL = nullptr;
    vigia_.reset();
    Directorios::liberar();
    directorios_ = nullptr;
    avanzar(kEtapas, "Fin");
    schedules_.reset();
    gSchedules = nullptr;
    excitacion_.reset();
    gExcitacion = nullptr;
}

void TPrincipal::liberar(const std::string& mensaje) {
    // A failed run: the hub no longer writes a verdict (its error service closed the files).
    if (global_) global_->cerrarSinVeredicto(mensaje);
    recogerDelHub();
    clima_.reset();
    edificio_.reset();
    schedules_.reset();
    excitacion_.reset();
    defectos_.reset();
    global_.reset();
    bdl_.reset();
    vigia_.reset();
    gEdificio = nullptr;
    gSchedules = nullptr;
    gExcitacion = nullptr;
    gDefectos = nullptr;
    gGlobal2 = nullptr;
    gLeerBDL = nullptr;
    if (directorios_) Directorios::liberar();
    directorios_ = nullptr;
    if (visible_ && !label_.empty()) std::fputc('\n', stderr);
    label_.clear();
}

void TPrincipal::ponerInforme(const std::string& carpeta, const std::string& argumentos) {
    carpetaInforme_ = carpeta;
    argumentosInforme_ = argumentos;
    // A report left by an earlier run must not pass for this one's if this one never gets to
    // write its own (a crash, a killed batch worker).
    std::error_code ec;
    for (const char* f : {"informe.json", "informe.html"})
        std::filesystem::remove(std::filesystem::path(carpeta) / f, ec);
    inicio_ = inicioEtapa_ = Reloj::now();
    const std::time_t ahora = std::time(nullptr);
    std::tm utc{};
    char texto[32];
    if (gmtime_r(&ahora, &utc) && std::strftime(texto, sizeof texto, "%Y-%m-%dT%H:%M:%SZ", &utc))
        fechaInicio_ = texto;
}

void TPrincipal::etapa(const char* nombre) {
    if (carpetaInforme_.empty()) return;
    const Reloj::time_point ahora = Reloj::now();
    if (!etapaActual_.empty())
        etapas_.push_back(
            {etapaActual_, std::chrono::duration<double>(ahora - inicioEtapa_).count()});
    etapaActual_ = nombre ? nombre : "";
    inicioEtapa_ = ahora;
}

void TPrincipal::terminarConError(const std::string& mensaje) {
    if (global_) global_->cerrarSinVeredicto(mensaje);
    if (!carpetaInforme_.empty()) {
        const std::string enCurso = etapaActual_;
        etapa(nullptr);
        etapaActual_ = enCurso;
        escribirInforme(true, mensaje);
    }
    liberar();
}

// The report of the run as far as it got. A report that cannot be written is said on standard
// error; it changes nothing of the run itself.
void TPrincipal::escribirInforme(bool conError, const std::string& mensaje) {
    FuentesInforme f;
    f.argumentos = argumentosInforme_;
    f.parametros = parametros_;
    f.inicio = fechaInicio_;
    f.etapas = etapas_;
    f.total = std::chrono::duration<double>(Reloj::now() - inicio_).count();
    f.codigoSalida = conError ? ErrorFatal::kCodigoSalida : 0;
    f.conError = conError;
    f.mensajeError = mensaje;
    f.etapaError = conError ? etapaActual_ : "";
    f.global = global_.get();
    f.defectos = defectos_.get();
    f.edificio = edificio_.get();
    f.excitacion = excitacion_.get();
    f.datos = datos_.get();
    if (clima_) {
        f.meteo = clima_.get();
        f.Te = Te_;
        f.HRe = HRe_;
        f.Ti = Ti_;
        f.HRi = HRiEntregada_;
    }
    std::string motivo;
    try {
        if (Informe::escribir(carpetaInforme_, Informe::texto(f), motivo)) return;
    } catch (const std::exception& e) {
        motivo = e.what();
    }
    SalidaTexto::escribir(stderr, "envolvente: informe: " + SalidaTexto::comoUtf8(motivo) + "\n");
}

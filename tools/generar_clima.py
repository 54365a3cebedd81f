#!/usr/bin/env python3
"""Writes the sample climate files of examples/clima/ (text climate format, one year).

Each file is a synthetic hourly year built from the published monthly normals of one
Spanish station, so that its monthly means reproduce those normals:

  * monthly mean air temperature and relative humidity: AEMET normals 1981-2010
    (temperature computed from AEMET's monthly series, station data from AEMET's
    station master file; the monthly humidities are recalled AEMET values that were
    not checked against a published table);
  * a smooth year: the daily mean temperature is interpolated between mid-month
    anchors and shifted month by month so that every month's mean is the normal;
    a cosine daily cycle (warmest at 15 h, coldest at 3 h solar time) of an assumed
    typical daily range is added; it sums to zero over each day;
  * humidity: one vapour pressure per day, chosen so that the day's mean relative
    humidity (capped at 100 % hour by hour) is the month's normal, written as a
    humidity ratio at 101325 Pa, the reference pressure of the climate reader;
  * sun: the engine's solar-position routine at the middle of each hour (solar time)
    and a clear-sky irradiance (Meinel beam model with the Laue altitude correction,
    Liu-Jordan diffuse fraction); no clouds;
  * wind: a fixed placeholder, 3.0 m/s from the north; not climate data.

Text format, 8762 lines: line 1 a title, line 2 latitude longitude altitude, then one
line per hour (hour 1-24 of each day, 365 days):
  month day hour T RH Idir Idif w P wind winddir azimuth zenith
with T in degC, RH in % (informative), Idir and Idif the direct and diffuse irradiance
on the horizontal in W/m2, w the humidity ratio in kg/kg, P the pressure (Pa) at which
w was computed, wind speed in m/s, wind direction in degrees, solar azimuth (0 south,
positive west) and zenith in degrees.

Usage: generar_clima.py [output directory]   (default: examples/clima beside tools/)
Python 3 standard library only; the output is deterministic.
"""

import math
import os
import sys

DIAS_MES = [31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31]
DIAS_ANTES = [sum(DIAS_MES[:m]) for m in range(12)]

# Climate zone, station, latitude, longitude (east positive), altitude (m),
# monthly mean temperature (degC), monthly mean relative humidity (%),
# assumed typical daily temperature range in January and in July (K).
ESTACIONES = [
    ("D3", "Madrid Retiro (AEMET 3195)", 40.412, -3.678, 667,
     [6.3, 7.9, 11.2, 12.9, 16.7, 22.2, 25.6, 25.1, 20.9, 15.1, 9.9, 6.9],
     [71, 65, 56, 57, 53, 45, 39, 41, 50, 62, 70, 74], 7.5, 13.0),
    ("E1", "Burgos Aeropuerto (AEMET 2331)", 42.356, -3.621, 891,
     [3.1, 4.1, 7.0, 8.6, 12.2, 16.5, 19.5, 19.5, 16.1, 11.5, 6.6, 3.9],
     [86, 80, 72, 70, 68, 62, 57, 58, 64, 75, 83, 87], 8.5, 15.5),
    ("B4", "Sevilla Aeropuerto (AEMET 5783)", 37.417, -5.879, 34,
     [10.9, 12.5, 15.6, 17.3, 20.7, 25.1, 28.2, 27.9, 25.0, 20.2, 15.1, 12.0],
     [71, 67, 59, 57, 52, 48, 43, 46, 53, 62, 70, 74], 10.5, 16.5),
    ("C2", "Barcelona Aeropuerto (AEMET 0076)", 41.293, 2.070, 4,
     [9.1, 9.9, 11.8, 13.7, 16.9, 20.9, 23.9, 24.4, 21.7, 17.8, 13.0, 10.0],
     [69, 68, 69, 70, 72, 71, 71, 72, 72, 72, 70, 68], 8.5, 8.0),
    ("C1", "Bilbao Aeropuerto (AEMET 1082)", 43.298, -2.906, 42,
     [9.3, 9.7, 11.5, 12.6, 15.7, 18.4, 20.4, 20.9, 19.2, 16.4, 12.4, 9.9],
     [73, 70, 69, 71, 71, 73, 74, 74, 74, 73, 74, 74], 8.0, 10.0),
]

P_REFERENCIA = 101325.0
RELACION_MOLAR = 0.6219779385109357


def presion_saturacion(t):
    """Saturation vapour pressure (Pa), over water at t >= 0 degC, over ice below."""
    if t >= 0.0:
        return 610.5 * math.exp(17.269 * t / (237.3 + t))
    return 610.5 * math.exp(21.875 * t / (265.5 + t))


def posicion_solar(latitud, mes, dia, hora):
    """Azimuth, altitude and zenith (degrees) for hour 1-24 of solar time; the sun
    below the horizon is reported as azimuth 0, zenith 90."""
    rad = 0.0174532925199433
    pi = 3.141592654
    n = dia + DIAS_ANTES[mes - 1]
    dec = 23.45 * math.sin(2.0 * pi * (284 + n) / 365.0) * rad
    lat = latitud * rad
    x = -math.tan(lat) * math.tan(dec)
    if x <= -1.0:
        orto, ocaso = -1.0, 25.0
    elif x >= 1.0:
        orto = ocaso = -1.0
    else:
        orto = 12.0 - math.acos(x) * 12.0 / pi
        ocaso = 24.0 - orto
    arriba = este_oeste = norte_sur = 0.0
    if orto * 1.0001 < hora and ocaso * 0.99999 > hora:
        w = (hora - 12.0) * 15.0 * rad
        arriba = math.cos(w) * math.cos(dec) * math.cos(lat) + math.sin(lat) * math.sin(dec)
        este_oeste = math.sin(w) * math.cos(dec)
        s = arriba * arriba + este_oeste * este_oeste
        norte_sur = math.sqrt(1.0 - s) if abs(s) <= 1.0 else 0.0
        if math.cos(w) < math.tan(dec) / math.tan(lat):
            norte_sur = -norte_sur
        if latitud < 0.0:
            norte_sur = -norte_sur
    arriba = min(arriba, 0.9999)
    alt = math.atan(arriba / math.sqrt(1.0 - arriba * arriba))
    s = este_oeste / math.cos(alt)
    if abs(abs(s) - 1.0) >= 0.001 and abs(s) < 1.0:
        az = math.atan(s / math.sqrt(1.0 - s * s))
    else:
        az = (-90.0 if hora < 12.0 else 90.0) * rad
    if norte_sur < 0.0:
        az = -pi - az if az < 0.0 else pi - az
    altitud = alt / rad
    return az / rad, altitud, 90.0 - altitud


def irradiancia_cielo_claro(n, cenit, altitud_m):
    """Direct and diffuse irradiance on the horizontal (W/m2) under a clear sky."""
    cos_z = math.cos(math.radians(cenit))
    if cenit >= 90.0 or cos_z <= 0.0:
        return 0.0, 0.0
    e0 = 1367.0 * (1.0 + 0.033 * math.cos(2.0 * math.pi * n / 365.0))
    masa_aire = 1.0 / (cos_z + 0.50572 * (96.07995 - cenit) ** -1.6364)
    h = altitud_m / 1000.0
    normal = e0 * ((1.0 - 0.14 * h) * 0.7 ** (masa_aire ** 0.678) + 0.14 * h)
    tau_directa = normal / e0
    tau_difusa = max(0.271 - 0.294 * tau_directa, 0.0)
    return normal * cos_z, e0 * cos_z * tau_difusa


def medias_diarias(normales):
    """Daily mean values for the 365 days: linear between mid-month anchors (cyclic),
    then shifted month by month so that each month's mean is its normal exactly."""
    anclas = [DIAS_ANTES[m] + DIAS_MES[m] / 2.0 for m in range(12)]
    diarias = []
    for d in range(365):
        x = d + 0.5
        for m in range(12):
            a = anclas[m]
            b = anclas[(m + 1) % 12] + (365.0 if m == 11 else 0.0)
            xx = x if x >= anclas[0] else x + 365.0
            if a <= xx < b:
                f = (xx - a) / (b - a)
                diarias.append(normales[m] + f * (normales[(m + 1) % 12] - normales[m]))
                break
    for m in range(12):
        dias = range(DIAS_ANTES[m], DIAS_ANTES[m] + DIAS_MES[m])
        desvio = normales[m] - sum(diarias[d] for d in dias) / DIAS_MES[m]
        for d in dias:
            diarias[d] += desvio
    return diarias


def presion_vapor_diaria(temperaturas, hr_objetivo):
    """The day's vapour pressure whose mean relative humidity over the hours, each
    capped at 100 %, is the target."""
    psat = [presion_saturacion(t) for t in temperaturas]

    def media(pv):
        return sum(min(100.0, 100.0 * pv / p) for p in psat) / len(psat)

    bajo, alto = 0.0, max(psat)
    for _ in range(80):
        medio = 0.5 * (bajo + alto)
        if media(medio) < hr_objetivo:
            bajo = medio
        else:
            alto = medio
    return 0.5 * (bajo + alto)


def generar(estacion, directorio):
    zona, nombre, lat, lon, alt, tmes, hrmes, rango_ene, rango_jul = estacion
    tdiaria = medias_diarias(tmes)
    lineas = [
        "%s %s: synthetic year from AEMET monthly normals 1981-2010 (tools/generar_clima.py)"
        % (zona, nombre),
        "%.3f %.3f %d" % (lat, lon, alt),
    ]
    for mes in range(1, 13):
        for dia in range(1, DIAS_MES[mes - 1] + 1):
            d = DIAS_ANTES[mes - 1] + dia - 1
            estacionalidad = 0.5 * (1.0 - math.cos(2.0 * math.pi * (d + 0.5 - 15.5) / 365.0))
            rango = rango_ene + (rango_jul - rango_ene) * estacionalidad
            temps = []
            for hora in range(1, 25):
                t = tdiaria[d] + 0.5 * rango * math.cos(2.0 * math.pi * (hora - 0.5 - 15.0) / 24.0)
                temps.append(float("%.2f" % t))
            pv = presion_vapor_diaria(temps, hrmes[mes - 1])
            w = RELACION_MOLAR * pv / (P_REFERENCIA - pv)
            for hora in range(1, 25):
                t = temps[hora - 1]
                hr = min(100.0, 100.0 * pv / presion_saturacion(t))
                az, _, cenit = posicion_solar(lat, mes, dia, hora - 0.5)
                directa, difusa = irradiancia_cielo_claro(d + 1, cenit, alt)
                lineas.append(
                    "%d %d %d %.2f %.1f %.1f %.1f %.7f %.0f %.1f %.1f %.2f %.2f"
                    % (mes, dia, hora, t, hr, directa, difusa, w, P_REFERENCIA, 3.0, 0.0,
                       az, cenit))
    ruta = os.path.join(directorio, zona + ".txt")
    with open(ruta, "w", encoding="ascii", newline="\n") as f:
        f.write("\n".join(lineas) + "\n")
    return ruta


def main():
    if len(sys.argv) > 1:
        directorio = sys.argv[1]
    else:
        directorio = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..",
                                  "examples", "clima")
    os.makedirs(directorio, exist_ok=True)
    for estacion in ESTACIONES:
        print(generar(estacion, directorio))


if __name__ == "__main__":
    main()

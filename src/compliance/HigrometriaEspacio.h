#pragma once

class Tablas;
class Zona;

// What the hygrometry of a space asks of its envelope: the minimum temperature factor of the
// inner surfaces and the interior relative humidity (%) used by the interstitial check.
struct HigrometriaEspacio {
    float fRsiMin = 0.0f;
    float humedadInterior = 0.0f;
};

// Minimum temperature factor and interior humidity of a space from its hygrometry: the
// relative humidity (+5 %), the vapour production with its air changes over the space
// volume (area x height), or the hygrometry class with the limit table. Te, Ti and HRe are
// the first month's exterior temperature, interior temperature and exterior humidity (%).
HigrometriaEspacio minimoEspacio(const Zona& zona, float area, float altura, float Te, float Ti,
                                 float HRe, const Tablas& tablas);
// The same from the hygrometry values themselves (not-given values below -1e8): relative
// humidity hr (%), vapour production g (kg/h) with air changes n (1/h), class 3, 4 or 5.
HigrometriaEspacio minimoEspacio(float hr, float g, float n, float clase, float volumen, float Te,
                                 float Ti, float HRe, const Tablas& tablas);

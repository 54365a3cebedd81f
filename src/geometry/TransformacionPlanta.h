#pragma once
#include <vector>

#include "geometry/Space3.h"

// A point of the plan (2-D), used for the origin and direction point of a placement frame.
struct PuntoPlano {
    float x = 0.0f, y = 0.0f;
};

// The placement transform of the building model: a rotation about the vertical axis followed by
// a translation, taking plan coordinates of a storey, space or element into the next frame up.
//
// The frames P (origin O1, direction point D1) and Q (origin O2, direction point D2) give the
// rotation when no azimuth is given (the angle of P's direction minus that of Q's) and the
// translation when X or Y is not given (O1 - O2). A given azimuth turns the plan clockwise seen
// from above (compass convention): azimuth 90 takes the local x axis to the south.
class TransformacionPlanta {
public:
    TransformacionPlanta() = default; // identity
    TransformacionPlanta(PuntoPlano o1, PuntoPlano d1, PuntoPlano o2, PuntoPlano d2, float azimut,
                         float x, float y);
    // With both frames at the origin looking east (the fixed frames A and B of the building):
    // only the given azimuth, X and Y act.
    static TransformacionPlanta simple(float azimut, float x, float y);

    // Angle of a frame direction as the placement measures it: pi - atan(dy/dx) (plus pi when
    // dx < 0); pi/2 straight north and 3pi/2 straight south.
    static double anguloDireccion(float dx, float dy);

    Point3 aplicar(const Point3& p) const;
    float rotacion() const { return rotacion_; } // radians, clockwise
    float tx() const { return tx_; }
    float ty() const { return ty_; }

private:
    float rotacion_ = 0.0f;
    double cos_ = 1.0, sin_ = 0.0;
    float tx_ = 0.0f, ty_ = 0.0f;
};

// A chain of placement transforms applied in order (space, storey, building).
class CadenaColocacion {
public:
    void anadir(const TransformacionPlanta& t) { pasos_.push_back(t); }
    Point3 aplicar(const Point3& p) const {
        Point3 q = p;
        for (const TransformacionPlanta& t : pasos_) q = t.aplicar(q);
        return q;
    }
    // Total clockwise rotation in degrees (the compass turn of the chain).
    float giroGrados() const;
    const std::vector<TransformacionPlanta>& pasos() const { return pasos_; }

private:
    std::vector<TransformacionPlanta> pasos_;
};

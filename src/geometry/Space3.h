#pragma once
#include <cmath>

// Three 32-bit float coordinates in building coordinates (metres; x east, y north, z up).
struct Space3 {
    float x = 0.0f, y = 0.0f, z = 0.0f;
    Space3() = default;
    Space3(float x_, float y_, float z_) : x(x_), y(y_), z(z_) {}
};

struct Vector3 : Space3 {
    using Space3::Space3;
    Vector3() = default;
    explicit Vector3(const Space3& s) : Space3(s) {}
    double norma() const {
        return std::sqrt(static_cast<double>(x) * x + static_cast<double>(y) * y +
                         static_cast<double>(z) * z);
    }
    double punto(const Space3& o) const {
        return static_cast<double>(x) * o.x + static_cast<double>(y) * o.y +
               static_cast<double>(z) * o.z;
    }
    Vector3 cruz(const Space3& o) const {
        return Vector3(y * o.z - z * o.y, z * o.x - x * o.z, x * o.y - y * o.x);
    }
    Vector3 operator*(float k) const { return Vector3(x * k, y * k, z * k); }
    Vector3 operator+(const Vector3& o) const { return Vector3(x + o.x, y + o.y, z + o.z); }
    Vector3 operator-(const Vector3& o) const { return Vector3(x - o.x, y - o.y, z - o.z); }
    Vector3 operator-() const { return Vector3(-x, -y, -z); }
};

struct Point3 : Space3 {
    using Space3::Space3;
    Point3() = default;
    explicit Point3(const Space3& s) : Space3(s) {}
    Point3 operator+(const Vector3& v) const { return Point3(x + v.x, y + v.y, z + v.z); }
    Vector3 operator-(const Point3& o) const { return Vector3(x - o.x, y - o.y, z - o.z); }
};

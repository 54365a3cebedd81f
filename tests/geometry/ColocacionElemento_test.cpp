#include "geometry/ColocacionElemento.h"

#include <gtest/gtest.h>

namespace {

// The four compass directions are checked through the placed walls of the building model;
// here the diagonals and the snapping of a nearly due-south edge.
TEST(ColocacionElementoTest, AzimutDeLaAristaBase) {
    EXPECT_NEAR(ColocacionElemento::azimutDeArista(1, 1), 135.0f, 1e-4);  // north-east: SE
    EXPECT_NEAR(ColocacionElemento::azimutDeArista(1, -1), 225.0f, 1e-4); // south-east: SW
    EXPECT_NEAR(ColocacionElemento::azimutDeArista(-1, -1), 315.0f, 1e-4);
    EXPECT_FLOAT_EQ(ColocacionElemento::azimutDeArista(0.0005f, -2), -90.0f);
}

} // namespace

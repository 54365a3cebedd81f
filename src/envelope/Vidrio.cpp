#include "envelope/Vidrio.h"

Vidrio::~Vidrio() = default;

#include "shell/Globales.h"

Global2* gGlobal2 = nullptr;
LeerBDL* gLeerBDL = nullptr;
ValoresPorDefecto* gDefectos = nullptr;
Excitacion* gExcitacion = nullptr;
ListaSchedule* gSchedules = nullptr;
Edificio* gEdificio = nullptr;

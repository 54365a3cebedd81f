#pragma once

// Program-wide pointers to the objects of one run. The run driver (TPrincipal::Calcular) sets
// them once per run; every other part of the engine only reads them.
class Global2;
class LeerBDL;
class ValoresPorDefecto;
class Excitacion;
class ListaSchedule;
class Edificio;

extern Global2* gGlobal2;
extern LeerBDL* gLeerBDL;
extern ValoresPorDefecto* gDefectos;
extern Excitacion* gExcitacion;
extern ListaSchedule* gSchedules;
extern Edificio* gEdificio;

#pragma once
// The run globals of the operating and system conditions records: a hub whose 24-hour
// calculation period is read from the building text, defaults written to a file, the building
// reader and its schedules published and restored afterwards.
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "comun/Entorno.h"
#include "input/Global2.h"
#include "input/LeerBDL.h"
#include "input/ListaSchedule.h"
#include "input/ValoresPorDefecto.h"

class EntornoCondiciones : public ::testing::Test {
protected:
    EntornoCondiciones() : previoBDL_(gLeerBDL), previoSchedules_(gSchedules) {
        hub_.ponerDefectos(std::make_unique<ValoresPorDefecto>(dir_.escribir(
            "defectos.inp", "\nNUM-HORAS = 24\nHCINT = 3.0\nHRINT = 4.7\nFURN-FRACTION = 0.25\n"
                            "FURN-WEIGHT = 40\nNO-HABITABLES = ( \"X\" )\n")));
    }
    ~EntornoCondiciones() override {
        gLeerBDL = previoBDL_;
        gSchedules = previoSchedules_;
    }

    // Publishes the building text and its schedules (the parameters are read from the first
    // text) and builds the record T of the named object of the given type.
    template <class T>
    std::unique_ptr<T> leer(const std::string& texto, const std::string& tipo,
                            const std::string& nombre) {
        bdl_ = LeerBDL::desdeTexto("\n" + texto);
        gLeerBDL = bdl_.get();
        if (!schedules_)
            hub_.global().leerParametros(*bdl_, gDefectos, dir_.fichero("resultados.txt"));
        schedules_ = std::make_unique<ListaSchedule>(*bdl_);
        gSchedules = schedules_.get();
        return std::make_unique<T>(*LeerBDL::objeto(*bdl_, tipo, nombre), nombre);
    }

private:
    DirectorioTemporal dir_;
    HubDePrueba hub_;
    std::unique_ptr<LeerBDL> bdl_;
    std::unique_ptr<ListaSchedule> schedules_;
    LeerBDL* previoBDL_;
    ListaSchedule* previoSchedules_;
};

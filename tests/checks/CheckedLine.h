#pragma once

#include "checks/CodeTables.h"
#include "model/RecordTable.h"

#include <utility>

// Code tables with a few codes each, and a line that passes every check against them.
inline CodeTables testCodeTables()
{
    return CodeTables({{
        {"01 Remuneraciones"},         // TipoPago
        {"0 Activo", "8 Segundo"},     // Tipo Trabajador
        {"00 Sin movimiento", "03 S"}, // Movimiento Personal
        {"A Primer", "D Sin derecho"}, // Tramo Familiar
        {"33 Capital", "00 No AFP"},   // Nombre AFP
        {"0000 No IPS"},               // Codigo Caja
        {"07 Fonasa"},                 // Isapres
        {"00 Sin CCAF"},               // CCAF
        {"00 Sin mutual"},             // Mutual
        {"000 Sin APV"},               // APV
        {"01 Inicio"},                 // Movimiento Voluntario
        {"00 Normal"},                 // Tipo Linea
    }});
}

using FieldValues = std::initializer_list<std::pair<const char *, QByteArray>>;

// Appends a line that passes every check, with `changes` set over it.
inline void appendCheckedLine(RecordTable &table, FieldValues changes = {})
{
    const FieldValues good = {
        {"rut", "12345678"},      {"dv", "5"},
        {"ape_pat", "PEREZ"},     {"ape_mat", "SOTO"},
        {"nombres", "ANA"},       {"sexo", "F"},
        {"nacion", "0"},          {"tipo_pago", "01"},
        {"remu_desde", "012024"}, {"remu_hasta", "000000"},
        {"reg_previ", "AFP"},     {"tipo_trab", "0"},
        {"dias_trab", "30"},      {"tipo_linea", "00"},
        {"cod_mov", "0"},         {"Tramo_Fam", "D"},
        {"num_car_sim", "0"},     {"num_car_mat", "0"},
        {"num_car_inv", "0"},     {"sub_trab_jov", "N"},
        {"nom_AFP", "33"},        {"inst_apvi", "000"},
        {"inst_apvc", "000"},     {"cod_ex_caja", "0000"},
        {"cod_ex_caja_des", "0"}, {"cod_inst_salud", "7"},
        {"cod_CCAF", "00"},       {"cod_mutual", "0"},
    };
    table.append();
    table.field(catalogue::kLinea).setInteger(table.rowCount());
    for (const auto &[name, value] : good)
        table.fieldByName(name).setText(value);
    for (const auto &[name, value] : changes)
        table.fieldByName(name).setText(value);
    table.post();
}

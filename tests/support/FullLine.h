#pragma once

#include "model/RecordTable.h"

#include <QByteArray>
#include <QList>

#include <utility>

// Fields by name and the text each holds.
using LineFields = QList<std::pair<QByteArray, QByteArray>>;

// A line that every check of the record editor and every code of the test code table accepts, with a distinct
// value in every field so that a control loaded from one field and saved to another shows.
inline const LineFields kFullLine = {
    {"rut", "12345678"},
    {"dv", "5"},
    {"ape_pat", "PEREZ"},
    {"ape_mat", "SOTO"},
    {"nombres", "ANA MARIA"},
    {"sexo", "F"},
    {"nacion", "1"},
    {"tipo_pago", "2"},
    {"remu_desde", "042024"},
    {"remu_hasta", "052024"},
    {"reg_previ", "IPS"},
    {"tipo_trab", "1"},
    {"dias_trab", "30"},
    {"tipo_linea", "01"},
    {"cod_mov", "1"},
    {"Fecha_Desde", "01-04-2024"},
    {"Fecha_Hasta", "30-04-2024"},
    {"Tramo_Fam", "B"},
    {"num_car_sim", "2"},
    {"num_car_mat", "1"},
    {"num_car_inv", "3"},
    {"asig_fam", "22"},
    {"asig_fam_ret", "23"},
    {"reint_cargas", "24"},
    {"sub_trab_jov", "S"},
    {"nom_AFP", "8"},
    {"impo_afp", "1234567"},
    {"cot_obli_afp", "28"},
    {"aporte_sis", "29"},
    {"ahorro_afp", "30"},
    {"sust_afp", "31"},
    {"tasa_pac_afp", "2,5"},
    {"aporte_indem", "33"},
    {"num_per_sust", "4"},
    {"per_desde_sust", "01-01-2024"},
    {"per_hasta_sust", "31-01-2024"},
    {"trab_pesado", "MINERO"},
    {"porc_trab_pesado", "2,25"},
    {"cot_trab_pesado", "39"},
    {"inst_apvi", "033"},
    {"num_contra_apvi", "A41"},
    {"forma_pago_apvi", "2"},
    {"cotiza_apvi", "43"},
    {"cot_dep_conv", "44"},
    {"inst_apvc", "000"},
    {"num_contra_apvc", "B46"},
    {"forma_pago_apvc", "1"},
    {"cotiza_apvc", "48"},
    {"cot_emp_apvc", "49"},
    {"rut_afi_volun", "9876543"},
    {"dv_afi_volun", "K"},
    {"ape_pat_volun", "ROJAS"},
    {"ape_mat_volun", "DIAZ"},
    {"nombre_volun", "LUIS"},
    {"cod_mov_per_volun", "1"},
    {"fec_desde_volun", "01-02-2024"},
    {"fec_hasta_volun", "29-02-2024"},
    {"cod_afp_volun", "33"},
    {"monto_cap_volun", "59"},
    {"monto_aho_vol", "60"},
    {"num_per_cotiza", "6"},
    {"cod_ex_caja", "12"},
    {"tasa_ex_caja", "6,3"},
    {"renta_imp_fonasa", "64"},
    {"cot_INP", "65"},
    {"Renta_imp_des", "66"},
    {"cod_ex_caja_des", "0"},
    {"tasa_ex_caja_des", "6,8"},
    {"cot_desahucio", "69"},
    {"cotiza_fonasa", "70"},
    {"cot_acc_trab_inp", "71"},
    {"boni_ley", "72"},
    {"desc_cargas_fam_inp", "73"},
    {"bonos_gob", "74"},
    {"cod_inst_salud", "7"},
    {"num_FUN", "7600"},
    {"impo_isapre", "77"},
    {"moneda_plan", "2"},
    {"cot_pactada", "1,5"},
    {"cot_obli_isa", "80"},
    {"cot_ad_vol", "81"},
    {"monto_ges", "82"},
    {"cod_CCAF", "3"},
    {"impo_ccaf", "84"},
    {"Cred_per_CCAF", "85"},
    {"Desc_Dental", "86"},
    {"desc_leassing", "87"},
    {"desc_seg_vida", "88"},
    {"otros_desc_ccaf", "89"},
    {"cot_CCAF", "90"},
    {"Desc_Car_fam", "91"},
    {"otros_desc_ccaf1", "92"},
    {"otros_desc_ccaf2", "93"},
    {"bono_gob_ccaf", "94"},
    {"cod_sucur_ccaf", "SUC95"},
    {"cod_mutual", "2"},
    {"impo_mutual", "97"},
    {"cotiza_mutual", "98"},
    {"sucur_mutual", "99"},
    {"Renta_impo_SC", "100"},
    {"Aporte_trab_SC", "101"},
    {"aporte_emp_SC", "102"},
    {"rut_pag_subs", "7654321"},
    {"dv_pag_subs", "6"},
    {"centro_costo", "CC105"},
};

inline void appendLine(RecordTable &table, const LineFields &fields, int linea)
{
    table.append();
    table.field(0).setInteger(linea);
    for (const auto &[name, value] : fields)
        table.fieldByName(name).setText(value);
    table.post();
}

inline LineFields changed(LineFields fields, const LineFields &changes)
{
    for (const auto &[name, value] : changes) {
        for (auto &field : fields) {
            if (field.first == name)
                field.second = value;
        }
    }
    return fields;
}

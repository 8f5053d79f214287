#include "model/FieldCatalogue.h"

#include <QHash>

#include <array>

namespace catalogue {

namespace {

constexpr std::array<FieldDef, kFieldCount> kFields = {{
    {"Linea", FieldKind::Integer, 0, u"N°", 37, true, false},
    {"rut", FieldKind::Floating, 0, u"[1] Rut", 0, true, false},
    {"dv", FieldKind::Text, 1, u"[2] DV", 34, false, true},
    {"ape_pat", FieldKind::Text, 30, u"[3] Apellido Paterno", 99, false, false},
    {"ape_mat", FieldKind::Text, 30, u"[4] Apellido Materno", 104, false, false},
    {"nombres", FieldKind::Text, 30, u"[5] Nombre", 138, false, false},
    {"sexo", FieldKind::Text, 1, u"[6] Sexo", 44, false, false},
    {"nacion", FieldKind::Integer, 0, u"[7] Nación", 0, true, false},
    {"tipo_pago", FieldKind::Text, 2, u"[8] Tipo Pago", 73, true, false},
    {"remu_desde", FieldKind::Text, 6, u"[9] Periodo Desde", 93, false, false},
    {"remu_hasta", FieldKind::Text, 6, u"[10] Periodo Hasta", 93, false, false},
    {"reg_previ", FieldKind::Text, 3, u"[11] Régimen", 71, false, false},
    {"tipo_trab", FieldKind::Text, 1, u"[12] Tipo Trabajador", 103, true, false},
    {"dias_trab", FieldKind::Text, 2, u"[13] Días Trabajados", 105, true, false},
    {"tipo_linea", FieldKind::Text, 2, u"[14] Tipo línea", 74, false, false},
    {"cod_mov", FieldKind::Text, 2, u"[15] Cod. Movi.", 78, true, true},
    {"Fecha_Desde", FieldKind::Text, 10, u"[16] Fecha Desde", 92, false, false},
    {"Fecha_Hasta", FieldKind::Text, 10, u"[17] Fecha Hasta", 87, false, false},
    {"Tramo_Fam", FieldKind::Text, 1, u"[18] Tramo Fam.", 83, false, false},
    {"num_car_sim", FieldKind::Text, 2, u"[19] Cargas Simples", 98, true, false},
    {"num_car_mat", FieldKind::Text, 1, u"[20] Cargas Mat.", 85, true, false},
    {"num_car_inv", FieldKind::Text, 1, u"[21] Cargas Inv.", 81, true, false},
    {"asig_fam", FieldKind::Floating, 0, u"[22] Asig. Familiar", 89, true, false},
    {"asig_fam_ret", FieldKind::Floating, 0, u"[23] Asig. RetroAct.", 97, true, false},
    {"reint_cargas", FieldKind::Floating, 0, u"[24] Reint. Cargas", 93, true, false},
    {"sub_trab_jov", FieldKind::Text, 1, u"[25] Sub. trab. jov.", 91, false, false},
    {"nom_AFP", FieldKind::Text, 2, u"[26] AFP", 0, true, false},
    {"impo_afp", FieldKind::Floating, 0, u"[27] Impo. afp", 73, true, false},
    {"cot_obli_afp", FieldKind::Floating, 0, u"[28] Cot. AFP", 71, true, false},
    {"aporte_sis", FieldKind::Floating, 0, u"[29] Aporte SIS", 76, true, false},
    {"ahorro_afp", FieldKind::Floating, 0, u"[30] Ahorro AFP", 84, true, false},
    {"sust_afp", FieldKind::Floating, 0, u"[31] Sust. AFP", 77, true, false},
    {"tasa_pac_afp", FieldKind::Text, 5, u"[32] Tasa pac. AFP", 98, true, false},
    {"aporte_indem", FieldKind::Floating, 0, u"[33] Aporte indem.", 94, true, false},
    {"num_per_sust", FieldKind::Text, 2, u"[34] Num. per. sust.", 98, true, false},
    {"per_desde_sust", FieldKind::Text, 10, u"[35] Per. desde sust.", 103, false, false},
    {"per_hasta_sust", FieldKind::Text, 10, u"[36] Per. hasta sust.", 102, false, false},
    {"trab_pesado", FieldKind::Text, 40, u"[37] Trab. pesado", 95, false, false},
    {"porc_trab_pesado", FieldKind::Floating, 0, u"[38] % trab. pesado", 101, true, false},
    {"cot_trab_pesado", FieldKind::Floating, 0, u"[39] Cot. trab. pesado", 107, true, false},
    {"inst_apvi", FieldKind::Text, 3, u"[40] Inst. APVI", 78, false, false},
    {"num_contra_apvi", FieldKind::Text, 20, u"[41] Num. contra. APVI", 115, false, false},
    {"forma_pago_apvi", FieldKind::Text, 1, u"[42] Forma pago APVI", 109, false, false},
    {"cotiza_apvi", FieldKind::Floating, 0, u"[43] Cotiza APVI", 84, true, false},
    {"cot_dep_conv", FieldKind::Floating, 0, u"[44] Cot. dep. conv.", 101, true, false},
    {"inst_apvc", FieldKind::Text, 3, u"[45] Inst. APVC", 81, false, false},
    {"num_contra_apvc", FieldKind::Text, 20, u"[46] Num. contra. APVC", 122, false, false},
    {"forma_pago_apvc", FieldKind::Text, 1, u"[47] Forma pago APVC", 116, false, false},
    {"cotiza_apvc", FieldKind::Floating, 0, u"[48] Cotiza APVC", 86, true, false},
    {"cot_emp_apvc", FieldKind::Floating, 0, u"[49] Cot. emp. APVC", 106, true, false},
    {"rut_afi_volun", FieldKind::Text, 11, u"[50] Rut afi. volun.", 92, false, false},
    {"dv_afi_volun", FieldKind::Text, 1, u"[51] Dv. afi. volun.", 96, false, false},
    {"ape_pat_volun", FieldKind::Text, 30, u"[52] Ape. pat. volun.", 99, false, false},
    {"ape_mat_volun", FieldKind::Text, 30, u"[53] Ape. mat. volun.", 105, false, false},
    {"nombre_volun", FieldKind::Text, 30, u"[54] Nombre volun.", 98, false, false},
    {"cod_mov_per_volun", FieldKind::Text, 2, u"[55] Cod. mov. per. volun.", 94, false, false},
    {"fec_desde_volun", FieldKind::Text, 10, u"[56] Fec. desde volun.", 113, false, false},
    {"fec_hasta_volun", FieldKind::Text, 10, u"[57] Fec. hasta volun.", 109, false, false},
    {"cod_afp_volun", FieldKind::Text, 2, u"[58] Cod. afp volun.", 103, false, false},
    {"monto_cap_volun", FieldKind::Floating, 0, u"[59] Monto cap. volun.", 111, true, false},
    {"monto_aho_vol", FieldKind::Floating, 0, u"[60] Monto aho. vol.", 104, true, false},
    {"num_per_cotiza", FieldKind::Text, 2, u"[61] Num. per. cotiza.", 110, false, false},
    {"cod_ex_caja", FieldKind::Text, 4, u"[62] Cod. ex caja", 90, true, false},
    {"tasa_ex_caja", FieldKind::Floating, 0, u"[63] Tasa ex caja", 95, true, false},
    {"renta_imp_fonasa", FieldKind::Floating, 0, u"[64] Renta imp. fonasa", 119, true, false},
    {"cot_INP", FieldKind::Floating, 0, u"[65] Cot. INP", 73, true, false},
    {"Renta_imp_des", FieldKind::Floating, 0, u"[66] Renta desahu.", 96, true, false},
    {"cod_ex_caja_des", FieldKind::Text, 4, u"[67] Cod. ex caja des.", 111, true, false},
    {"tasa_ex_caja_des", FieldKind::Floating, 0, u"[68] Tasa ex caja des.", 112, true, false},
    {"cot_desahucio", FieldKind::Floating, 0, u"[69] Cot. desahucio", 101, true, false},
    {"cotiza_fonasa", FieldKind::Floating, 0, u"[70] Cotiza Fonasa", 100, true, false},
    {"cot_acc_trab_inp", FieldKind::Floating, 0, u"[71] Cot. acc.trab.INP", 111, true, false},
    {"boni_ley", FieldKind::Floating, 0, u"[72] Boni. Ley", 76, true, false},
    {"desc_cargas_fam_inp", FieldKind::Floating, 0, u"[73] Cargas.fam.INP", 104, true, false},
    {"bonos_gob", FieldKind::Floating, 0, u"[74] Bonos gob.", 84, true, false},
    {"cod_inst_salud", FieldKind::Text, 2, u"[75] Cod.Inst.Salud", 99, true, false},
    {"num_FUN", FieldKind::Text, 16, u"[76] Num.FUN", 76, true, false},
    {"impo_isapre", FieldKind::Floating, 0, u"[77] Impo. Isapre", 89, true, false},
    {"moneda_plan", FieldKind::Text, 1, u"[78] Moneda Plan", 95, true, false},
    {"cot_pactada", FieldKind::Floating, 0, u"[79] Cot. pactada", 92, true, false},
    {"cot_obli_isa", FieldKind::Floating, 0, u"[80] Cot. Obli. Isapre", 105, true, false},
    {"cot_ad_vol", FieldKind::Floating, 0, u"[81] Cot. ad. vol.", 84, true, false},
    {"monto_ges", FieldKind::Floating, 0, u"[82] Monto Ges", 81, true, false},
    {"cod_CCAF", FieldKind::Text, 2, u"[83] Cod. CCAF", 84, true, false},
    {"impo_ccaf", FieldKind::Floating, 0, u"[84] Impo. CCAF", 84, true, false},
    {"Cred_per_CCAF", FieldKind::Floating, 0, u"[85] Cred. per.CCAF", 98, true, false},
    {"Desc_Dental", FieldKind::Floating, 0, u"[86] Desc. Dental", 95, true, false},
    {"desc_leassing", FieldKind::Floating, 0, u"[87] Desc. leassing", 98, true, false},
    {"desc_seg_vida", FieldKind::Floating, 0, u"[88] Desc.seg.vida", 96, true, false},
    {"otros_desc_ccaf", FieldKind::Floating, 0, u"[89] Otros desc.CCAF", 112, true, false},
    {"cot_CCAF", FieldKind::Floating, 0, u"[90] Cot. CCAF", 80, true, false},
    {"Desc_Car_fam", FieldKind::Floating, 0, u"[91] Car. fam. CCAF", 103, true, false},
    {"otros_desc_ccaf1", FieldKind::Floating, 0, u"[92] Otros desc. CCAF1", 117, true, false},
    {"otros_desc_ccaf2", FieldKind::Floating, 0, u"[93] Otros desc. CCAF2", 126, true, false},
    {"bono_gob_ccaf", FieldKind::Floating, 0, u"[94] Bono gob. CCAF", 112, true, false},
    {"cod_sucur_ccaf", FieldKind::Text, 20, u"[95] Cod. sucur. CCAF", 116, false, false},
    {"cod_mutual", FieldKind::Text, 2, u"[96] Cod. Mutual", 87, true, false},
    {"impo_mutual", FieldKind::Floating, 0, u"[97] Impo. mutual", 91, true, false},
    {"cotiza_mutual", FieldKind::Floating, 0, u"[98] Cotiza. Mutual", 98, true, false},
    {"sucur_mutual", FieldKind::Text, 3, u"[99] Sucur. Mutual", 96, true, false},
    {"Renta_impo_SC", FieldKind::Floating, 0, u"[100] Renta impo.SC", 107, true, false},
    {"Aporte_trab_SC", FieldKind::Floating, 0, u"[101] Aporte trab.SC", 106, true, false},
    {"aporte_emp_SC", FieldKind::Floating, 0, u"[102] Aporte empleador", 119, true, false},
    {"rut_pag_subs", FieldKind::Text, 11, u"[103] Rut. pag. subs.", 108, false, false},
    {"dv_pag_subs", FieldKind::Text, 1, u"[104] dv", 47, false, false},
    {"centro_costo", FieldKind::Text, 20, u"[105] Centro costo", 92, false, false},
}};

QByteArray folded(QByteArrayView name)
{
    return name.toByteArray().toLower();
}

const QHash<QByteArray, int> &positionsByName()
{
    static const QHash<QByteArray, int> positions = [] {
        QHash<QByteArray, int> map;
        for (int i = 0; i < kFieldCount; ++i)
            map.insert(folded(kFields[i].name), i);
        return map;
    }();
    return positions;
}

} // namespace

const FieldDef &field(int position)
{
    return kFields.at(position);
}

int indexOf(QByteArrayView name)
{
    return positionsByName().value(folded(name), -1);
}

QStringView caption(int position)
{
    return QStringView(kFields.at(position).caption);
}

} // namespace catalogue

#include "model/FieldTable.h"

namespace catalogue {

namespace {

using enum FieldKind;
using enum FixedRule;
using enum ReadRule;
using enum GridAlignment;
using enum CheckRule;

// name, kind, size, {start, width, composition, read fixed, read separated}, caption, grid width,
// alignment, check; one row per field, however long
// clang-format off
constexpr std::array<FieldDef, kFieldCount> kFields = {{
    {"Linea", Integer, 0, {}, u"N°", 37, Right, {}},
    {"rut", Floating, 0, {1, 11, ZeroPadded, S, S}, u"[1] Rut", 0, Right, {Rut}},
    {"dv", Text, 1, {12, 1, AsStored, T, T}, u"[2] DV", 34, LeftCaptionCentred, {Dv}},
    {"ape_pat", Text, 30, {13, 30, SpacePadded, T, T}, u"[3] Apellido Paterno", 99, Left, {NotBlank}},
    {"ape_mat", Text, 30, {43, 30, SpacePadded, T, T}, u"[4] Apellido Materno", 104, Left, {NotBlank}},
    {"nombres", Text, 30, {73, 30, SpacePadded, T, T}, u"[5] Nombre", 138, Left, {NotBlank}},
    {"sexo", Text, 1, {103, 1, AsStored, T, T}, u"[6] Sexo", 44, Left, {Sexo}},
    {"nacion", Integer, 0, {104, 1, AsStored, Z, Z}, u"[7] Nación", 0, Right, {Nacion}},
    {"tipo_pago", Text, 2, {105, 2, ZeroPadded, I00, T}, u"[8] Tipo Pago", 73, Right, {Code, "TipoPago"}},
    {"remu_desde", Text, 6, {107, 6, ZeroPadded, T, T}, u"[9] Periodo Desde", 93, Left, {PeriodFrom}},
    {"remu_hasta", Text, 6, {113, 6, ZeroPadded, T, T}, u"[10] Periodo Hasta", 93, Left, {PeriodTo}},
    {"reg_previ", Text, 3, {119, 3, AsStored, T, T}, u"[11] Régimen", 71, Left, {Regimen}},
    {"tipo_trab", Text, 1, {122, 1, AsStored, I, E}, u"[12] Tipo Trabajador", 103, Right, {Code, "Tipo Trabajador"}},
    {"dias_trab", Text, 2, {123, 2, ZeroPadded, I00, E}, u"[13] Días Trabajados", 105, Right, {Count, nullptr, 30}},
    {"tipo_linea", Text, 2, {125, 2, ZeroPadded, T, T}, u"[14] Tipo línea", 74, Left, {Code, "Tipo Linea"}},
    {"cod_mov", Text, 2, {127, 2, ZeroPadded, I00, T}, u"[15] Cod. Movi.", 78, RightCaptionCentred, {Code, "Movimiento Personal"}},
    {"Fecha_Desde", Text, 10, {129, 10, DateOrZero, T, T}, u"[16] Fecha Desde", 92, Left, {DateFrom}},
    {"Fecha_Hasta", Text, 10, {139, 10, DateOrZero, T, T}, u"[17] Fecha Hasta", 87, Left, {DateTo}},
    {"Tramo_Fam", Text, 1, {149, 1, AsStored, T, T}, u"[18] Tramo Fam.", 83, Left, {Code, "Tramo Familiar"}},
    {"num_car_sim", Text, 2, {150, 2, ZeroPadded, I, T}, u"[19] Cargas Simples", 98, Right, {Count, nullptr, 13}},
    {"num_car_mat", Text, 1, {152, 1, AsStored, I, T}, u"[20] Cargas Mat.", 85, Right, {Count, nullptr, -1}},
    {"num_car_inv", Text, 1, {153, 1, AsStored, I, T}, u"[21] Cargas Inv.", 81, Right, {Count, nullptr, -1}},
    {"asig_fam", Floating, 0, {154, 6, ZeroPadded, I, R}, u"[22] Asig. Familiar", 89, Right, {Amount}},
    {"asig_fam_ret", Floating, 0, {160, 6, ZeroPadded, I, R}, u"[23] Asig. RetroAct.", 97, Right, {Amount}},
    {"reint_cargas", Floating, 0, {166, 6, ZeroPadded, I, R}, u"[24] Reint. Cargas", 93, Right, {Amount}},
    {"sub_trab_jov", Text, 1, {172, 1, AsStored, T, T}, u"[25] Sub. trab. jov.", 91, Left, {YesNo}},
    {"nom_AFP", Text, 2, {173, 2, ZeroPadded, I, T}, u"[26] AFP", 0, Right, {Code, "Nombre AFP"}},
    {"impo_afp", Floating, 0, {175, 8, ZeroPadded, I, R}, u"[27] Impo. afp", 73, Right, {Amount}},
    {"cot_obli_afp", Floating, 0, {183, 8, ZeroPadded, G, R}, u"[28] Cot. AFP", 71, Right, {Amount}},
    {"aporte_sis", Floating, 0, {191, 8, ZeroPadded, G, R}, u"[29] Aporte SIS", 76, Right, {Amount}},
    {"ahorro_afp", Floating, 0, {199, 8, ZeroPadded, G, R}, u"[30] Ahorro AFP", 84, Right, {Amount}},
    {"sust_afp", Floating, 0, {207, 8, ZeroPadded, G, R}, u"[31] Sust. AFP", 77, Right, {Amount}},
    {"tasa_pac_afp", Text, 5, {215, 5, ZeroPadded, P, T}, u"[32] Tasa pac. AFP", 98, Right, {}},
    {"aporte_indem", Floating, 0, {220, 9, ZeroPadded, G, R}, u"[33] Aporte indem.", 94, Right, {Amount}},
    {"num_per_sust", Text, 2, {229, 2, ZeroPadded, I, T}, u"[34] Num. per. sust.", 98, Right, {}},
    {"per_desde_sust", Text, 10, {231, 10, RightAligned, T, T}, u"[35] Per. desde sust.", 103, Left, {}},
    {"per_hasta_sust", Text, 10, {241, 10, RightAligned, T, T}, u"[36] Per. hasta sust.", 102, Left, {}},
    {"trab_pesado", Text, 40, {251, 40, SpacePadded, T, T}, u"[37] Trab. pesado", 95, Left, {}},
    {"porc_trab_pesado", Floating, 0, {291, 5, ZeroPadded, G, R}, u"[38] % trab. pesado", 101, Right, {Rate}},
    {"cot_trab_pesado", Floating, 0, {296, 6, ZeroPadded, G, R}, u"[39] Cot. trab. pesado", 107, Right, {Amount}},
    {"inst_apvi", Text, 3, {302, 3, ZeroPadded, I, T}, u"[40] Inst. APVI", 78, Left, {Code, "APV"}},
    {"num_contra_apvi", Text, 20, {305, 20, SpacePadded, T, T}, u"[41] Num. contra. APVI", 115, Left, {}},
    {"forma_pago_apvi", Text, 1, {325, 1, AsStored, I, T}, u"[42] Forma pago APVI", 109, Left, {}},
    {"cotiza_apvi", Floating, 0, {326, 8, ZeroPadded, G, R}, u"[43] Cotiza APVI", 84, Right, {Amount}},
    {"cot_dep_conv", Floating, 0, {334, 8, ZeroPadded, G, R}, u"[44] Cot. dep. conv.", 101, Right, {Amount}},
    {"inst_apvc", Text, 3, {342, 3, ZeroPadded, I, T}, u"[45] Inst. APVC", 81, Left, {Code, "APV"}},
    {"num_contra_apvc", Text, 20, {345, 20, SpacePadded, T, T}, u"[46] Num. contra. APVC", 122, Left, {}},
    {"forma_pago_apvc", Text, 1, {365, 1, AsStored, I, T}, u"[47] Forma pago APVC", 116, Left, {}},
    {"cotiza_apvc", Floating, 0, {366, 8, ZeroPadded, G, R}, u"[48] Cotiza APVC", 86, Right, {Amount}},
    {"cot_emp_apvc", Floating, 0, {374, 8, ZeroPadded, G, R}, u"[49] Cot. emp. APVC", 106, Right, {Amount}},
    {"rut_afi_volun", Text, 11, {382, 11, ZeroPadded, G, T}, u"[50] Rut afi. volun.", 92, Left, {OtherRut}},
    {"dv_afi_volun", Text, 1, {393, 1, SpacePadded, T, T}, u"[51] Dv. afi. volun.", 96, Left, {OtherDv, nullptr, 50}},
    {"ape_pat_volun", Text, 30, {394, 30, SpacePadded, T, T}, u"[52] Ape. pat. volun.", 99, Left, {}},
    {"ape_mat_volun", Text, 30, {424, 30, SpacePadded, T, T}, u"[53] Ape. mat. volun.", 105, Left, {}},
    {"nombre_volun", Text, 30, {454, 30, SpacePadded, T, T}, u"[54] Nombre volun.", 98, Left, {}},
    {"cod_mov_per_volun", Text, 2, {484, 2, ZeroPadded, T, T}, u"[55] Cod. mov. per. volun.", 94, Left, {MovVolun, "Movimiento Voluntario"}},
    {"fec_desde_volun", Text, 10, {486, 10, Date, T, T}, u"[56] Fec. desde volun.", 113, Left, {}},
    {"fec_hasta_volun", Text, 10, {496, 10, Date, T, T}, u"[57] Fec. hasta volun.", 109, Left, {}},
    {"cod_afp_volun", Text, 2, {506, 2, ZeroPadded, G, T}, u"[58] Cod. afp volun.", 103, Left, {AfpVolun, "Nombre AFP"}},
    {"monto_cap_volun", Floating, 0, {508, 8, ZeroPadded, G, R}, u"[59] Monto cap. volun.", 111, Right, {Amount}},
    {"monto_aho_vol", Floating, 0, {516, 8, ZeroPadded, G, R}, u"[60] Monto aho. vol.", 104, Right, {Amount}},
    {"num_per_cotiza", Text, 2, {524, 2, ZeroPadded, G, T}, u"[61] Num. per. cotiza.", 110, Left, {}},
    {"cod_ex_caja", Text, 4, {526, 4, ZeroPadded, I, T}, u"[62] Cod. ex caja", 90, Right, {Code, "Codigo Caja"}},
    {"tasa_ex_caja", Floating, 0, {530, 5, ZeroPadded, P, R}, u"[63] Tasa ex caja", 95, Right, {Rate}},
    {"renta_imp_fonasa", Floating, 0, {535, 8, ZeroPadded, G, R}, u"[64] Renta imp. fonasa", 119, Right, {Amount}},
    {"cot_INP", Floating, 0, {543, 8, ZeroPadded, G, R}, u"[65] Cot. INP", 73, Right, {Amount}},
    {"Renta_imp_des", Floating, 0, {551, 8, ZeroPadded, G, R}, u"[66] Renta desahu.", 96, Right, {Amount}},
    {"cod_ex_caja_des", Text, 4, {559, 4, ZeroPadded, I, T}, u"[67] Cod. ex caja des.", 111, Right, {Code, "Codigo Caja"}},
    {"tasa_ex_caja_des", Floating, 0, {563, 5, ZeroPadded, P, R}, u"[68] Tasa ex caja des.", 112, Right, {Rate}},
    {"cot_desahucio", Floating, 0, {568, 8, ZeroPadded, G, R}, u"[69] Cot. desahucio", 101, Right, {Amount}},
    {"cotiza_fonasa", Floating, 0, {576, 8, ZeroPadded, G, R}, u"[70] Cotiza Fonasa", 100, Right, {Amount}},
    {"cot_acc_trab_inp", Floating, 0, {584, 8, ZeroPadded, G, R}, u"[71] Cot. acc.trab.INP", 111, Right, {Amount}},
    {"boni_ley", Floating, 0, {592, 8, ZeroPadded, G, R}, u"[72] Boni. Ley", 76, Right, {Amount}},
    {"desc_cargas_fam_inp", Floating, 0, {600, 8, ZeroPadded, G, R}, u"[73] Cargas.fam.INP", 104, Right, {Amount}},
    {"bonos_gob", Floating, 0, {608, 8, ZeroPadded, G, R}, u"[74] Bonos gob.", 84, Right, {Amount}},
    {"cod_inst_salud", Text, 2, {616, 2, ZeroPadded, I, T}, u"[75] Cod.Inst.Salud", 99, Right, {Code, "Isapres"}},
    {"num_FUN", Text, 16, {618, 16, SpacePadded, T, T}, u"[76] Num.FUN", 76, Right, {}},
    {"impo_isapre", Floating, 0, {634, 8, ZeroPadded, G, R}, u"[77] Impo. Isapre", 89, Right, {Amount}},
    {"moneda_plan", Text, 1, {642, 1, ZeroPadded, I, T}, u"[78] Moneda Plan", 95, Right, {}},
    {"cot_pactada", Floating, 0, {643, 8, ZeroPadded, P, R}, u"[79] Cot. pactada", 92, Right, {Rate}},
    {"cot_obli_isa", Floating, 0, {651, 8, ZeroPadded, G, R}, u"[80] Cot. Obli. Isapre", 105, Right, {Amount}},
    {"cot_ad_vol", Floating, 0, {659, 8, ZeroPadded, G, R}, u"[81] Cot. ad. vol.", 84, Right, {Amount}},
    {"monto_ges", Floating, 0, {667, 8, ZeroPadded, G, R}, u"[82] Monto Ges", 81, Right, {Amount}},
    {"cod_CCAF", Text, 2, {675, 2, ZeroPadded, I, T}, u"[83] Cod. CCAF", 84, Right, {Code, "CCAF"}},
    {"impo_ccaf", Floating, 0, {677, 8, ZeroPadded, G, R}, u"[84] Impo. CCAF", 84, Right, {Amount}},
    {"Cred_per_CCAF", Floating, 0, {685, 8, ZeroPadded, G, R}, u"[85] Cred. per.CCAF", 98, Right, {Amount}},
    {"Desc_Dental", Floating, 0, {693, 8, ZeroPadded, G, R}, u"[86] Desc. Dental", 95, Right, {Amount}},
    {"desc_leassing", Floating, 0, {701, 8, ZeroPadded, G, R}, u"[87] Desc. leassing", 98, Right, {Amount}},
    {"desc_seg_vida", Floating, 0, {709, 8, ZeroPadded, G, R}, u"[88] Desc.seg.vida", 96, Right, {Amount}},
    {"otros_desc_ccaf", Floating, 0, {717, 8, ZeroPadded, G, R}, u"[89] Otros desc.CCAF", 112, Right, {Amount}},
    {"cot_CCAF", Floating, 0, {725, 8, ZeroPadded, G, R}, u"[90] Cot. CCAF", 80, Right, {Amount}},
    {"Desc_Car_fam", Floating, 0, {733, 8, ZeroPadded, G, R}, u"[91] Car. fam. CCAF", 103, Right, {Amount}},
    {"otros_desc_ccaf1", Floating, 0, {741, 8, ZeroPadded, G, R}, u"[92] Otros desc. CCAF1", 117, Right, {Amount}},
    {"otros_desc_ccaf2", Floating, 0, {749, 8, ZeroPadded, G, R}, u"[93] Otros desc. CCAF2", 126, Right, {Amount}},
    {"bono_gob_ccaf", Floating, 0, {757, 8, ZeroPadded, G, R}, u"[94] Bono gob. CCAF", 112, Right, {Amount}},
    {"cod_sucur_ccaf", Text, 20, {765, 20, SpacePadded, T, T}, u"[95] Cod. sucur. CCAF", 116, Left, {}},
    {"cod_mutual", Text, 2, {785, 2, ZeroPadded, I, T}, u"[96] Cod. Mutual", 87, Right, {Code, "Mutual"}},
    {"impo_mutual", Floating, 0, {787, 8, ZeroPadded, G, R}, u"[97] Impo. mutual", 91, Right, {Amount}},
    {"cotiza_mutual", Floating, 0, {795, 8, ZeroPadded, G, R}, u"[98] Cotiza. Mutual", 98, Right, {Amount}},
    {"sucur_mutual", Text, 3, {803, 3, ZeroPadded, I, T}, u"[99] Sucur. Mutual", 96, Right, {}},
    {"Renta_impo_SC", Floating, 0, {806, 8, ZeroPadded, G, R}, u"[100] Renta impo.SC", 107, Right, {Amount}},
    {"Aporte_trab_SC", Floating, 0, {814, 8, ZeroPadded, G, R}, u"[101] Aporte trab.SC", 106, Right, {Amount}},
    {"aporte_emp_SC", Floating, 0, {822, 8, ZeroPadded, G, R}, u"[102] Aporte empleador", 119, Right, {Amount}},
    {"rut_pag_subs", Text, 11, {830, 11, ZeroPadded, G, T}, u"[103] Rut. pag. subs.", 108, Left, {OtherRut}},
    {"dv_pag_subs", Text, 1, {841, 1, RightAligned, T, T}, u"[104] dv", 47, Left, {OtherDv, nullptr, 103}},
    {"centro_costo", Text, 20, {842, 20, SpacePadded, T, T}, u"[105] Centro costo", 92, Left, {}},

}};
// clang-format on

} // namespace

const std::array<FieldDef, kFieldCount> &fields()
{
    return kFields;
}

} // namespace catalogue

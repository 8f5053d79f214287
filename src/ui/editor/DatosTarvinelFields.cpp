#include "ui/editor/DatosTarvinelFields.h"

#include <array>

namespace datosfields {

namespace {

using enum Kind;

constexpr Shape kName{.limit = 30};
constexpr Shape kTwoDecimals{.format = Format::TwoDecimals};
constexpr Shape kDaysInMonth{.format = Format::Days, .maximum = 30};

constexpr Shape code(CodeTable table, bool wrapLabel = false)
{
    return {.table = table, .wrapLabel = wrapLabel};
}

constexpr Shape choice(const char16_t *caption, const char16_t *choices)
{
    return {.caption = caption, .choices = choices};
}

// "Datos Trabajador": the upper panel (0) and the lower one (1).
const Field kTrabajador[] = {
    {"EdRut", nullptr, {}, Rut, "rut"},
    {"EdDV", nullptr, {}, CheckCharacter, "dv"},
    {"RGpSexo", nullptr, {}, Choice, "sexo", choice(u"Sexo", u"Femenino|Masculino")},
    {"EdApepat", u"Apellido Paterno", {0, 1, 0}, Text, "ape_pat", kName},
    {"EdApeMat", u"Apellido Materno", {0, 2, 0}, Text, "ape_mat", kName},
    {"EdNombres", u"Nombres", {0, 3, 0}, Text, "nombres", kName},
    {"RGNacionalidad", nullptr, {}, Choice, "nacion", choice(u"Nacionalidad", u"Chilena|Extranjera")},
    {"CBxTipoPago", u"Tipo de Pago", {1, 0, 0, 2}, Code, "tipo_pago", code(CodeTable::TipoPago)},
    {"EdPerDesde", nullptr, {}, Period, "remu_desde"},
    {"EdPerHasta", nullptr, {}, Period, "remu_hasta"},
    {"RGpRegPrevi", nullptr, {}, Choice, "reg_previ", choice(u"Reg. Previsional", u"AFP|INP|SIP")},
    {"CBxTTrabajador", u"Tipo Trabajador", {1, 2, 0}, Code, "tipo_trab", code(CodeTable::TipoTrabajador)},
    {"CuEdDiasTrab", u"Días Trab.", {1, 2, 1}, Amount, "dias_trab", kDaysInMonth},
    {"CBxTipoLinea", u"Tipo de Línea", {1, 3, 0, 2}, Code, "tipo_linea", code(CodeTable::TipoLinea)},
    {"CBxMovPersonal",
     u"Cod. Mov. Personal",
     {1, 4, 0},
     Code,
     "cod_mov",
     code(CodeTable::MovimientoPersonal)},
    {"DEdMovDesde", u"Desde", {1, 4, 1}, Date, "Fecha_Desde"},
    {"DEdMovHasta", u"Hasta", {1, 4, 2}, Date, "Fecha_Hasta"},
    {"CBxTramoFam", u"Tramo Asig. Familiar", {1, 5, 0}, Code, "Tramo_Fam", code(CodeTable::TramoFamiliar)},
    {"EdCargasSimples", u"N° Cargas Simples", {1, 6, 0}, Count, "num_car_sim", {.limit = 2}},
    {"EdCargasMater", u"N° Cargas Mater.", {1, 7, 0}, Count, "num_car_mat"},
    {"EdCargasInva", u"N° Cargas Inval.", {1, 8, 0}, Count, "num_car_inv"},
    {"CuEdAsigFamiliar", u"Asig. Familiar", {1, 6, 1}, Amount, "asig_fam"},
    {"CuEdAsigRetro", u"Asig. Fam. Retroactiva", {1, 7, 1}, Amount, "asig_fam_ret"},
    {"CuEdReintegro", u"Reintegro Car. Fam.", {1, 8, 1}, Amount, "reint_cargas"},
    {"RGSubsiTrabajador",
     nullptr,
     {},
     Choice,
     "sub_trab_jov",
     choice(u"Subsidio Trabajador Joven", u"Si|No")},
};

// "Datos AFP - APVI - APVC": the AFP (0), APVI (1) and APVC (2) groups.
const Field kAfp[] = {
    {"CBxAfp", u"Nombre AFP", {0, 0, 0, 2}, Code, "nom_AFP", code(CodeTable::NombreAfp)},
    {"CuEdImpoAFP", u"Imponible AFP", {0, 1, 0}, Amount, "impo_afp"},
    {"CuEdCotizaAfp", u"Cot. Obligatoria", {0, 1, 1}, Amount, "cot_obli_afp"},
    {"CuEdAporteSIS", u"Aporte SIS", {0, 1, 2}, Amount, "aporte_sis"},
    {"CuEdAhorroAfp", u"Ahorro Vol.", {0, 2, 0}, Amount, "ahorro_afp"},
    {"CuEdRentaImpSust", u"Renta Imp. Sust.", {0, 2, 1}, Amount, "sust_afp"},
    {"CuEdTasaPacSust", u"Tasa Pac. Sust.", {0, 2, 2}, Amount, "tasa_pac_afp"},
    {"CuEdAporteIndemSust", u"Aporte Indem. Sust.", {0, 3, 0}, Amount, "aporte_indem", {.digits = 9}},
    {"CuEdPeriSust", u"N° Períodos Sust.", {0, 3, 1}, Amount, "num_per_sust"},
    {"DEdPerDesdeSust", u"Período Desde (Sust.)", {0, 4, 0}, Date, "per_desde_sust"},
    {"DEdPerHastaSust", u"Período Hasta (Sust.)", {0, 4, 1}, Date, "per_hasta_sust"},
    {"EdTrabPesado", u"Puesto de Trabajo Pesado", {0, 5, 0, 3}, Text, "trab_pesado", {.limit = 40}},
    {"CuEdPorTrabPesado",
     u"% Cot. Trab. Pesado",
     {0, 6, 0},
     Amount,
     "porc_trab_pesado",
     {.format = Format::TwoDecimals, .maximum = 99}},
    {"CuEdCotTrabPesado", u"Cot. Trab. Pesado", {0, 6, 1}, Amount, "cot_trab_pesado"},
    {"CBxApvi", u"Institución APVI", {1, 0, 0}, Code, "inst_apvi", code(CodeTable::Apv)},
    {"EdContratoApvi", u"N° Contrato APVI", {1, 1, 0}, Text, "num_contra_apvi", {.limit = 20}},
    {"RGFormaPagoAPVI",
     nullptr,
     {},
     Choice,
     "forma_pago_apvi",
     choice(u"Forma Pago APVI", u"Directa|Indirecta")},
    {"CuEdCotAPVI", u"Cotización APVI", {1, 3, 0}, Amount, "cotiza_apvi"},
    {"CuEdDepConveniAPVI", u"Cot.Dep.Convenidos", {1, 4, 0}, Amount, "cot_dep_conv"},
    {"CBxAPVC", u"Institución APVC", {2, 0, 0}, Code, "inst_apvc", code(CodeTable::Apv)},
    {"EdContratoAPVC", u"N° Contrato APVC", {2, 1, 0}, Text, "num_contra_apvc", {.limit = 20}},
    {"RGFormaPAgoAPVC",
     nullptr,
     {},
     Choice,
     "forma_pago_apvc",
     choice(u"Forma PAgo APVC", u"Directa|Indirecta")},
    {"CuEdCotAPVC", u"Cotización APVC", {2, 3, 0}, Amount, "cotiza_apvc"},
    {"CuEdCotEmpleador", u"Cot. Empleador", {2, 4, 0}, Amount, "cot_emp_apvc"},
};

// "Datos Afi. Voluntario - INP - Salud": the voluntary affiliate (0), INP (1) and health (2) groups.
const Field kVoluntario[] = {
    {"PFRutAfiVol", nullptr, {}, Rut, "rut_afi_volun"},
    {"EdDVAfiVol", nullptr, {}, CheckCharacter, "dv_afi_volun"},
    {"EdApePatVolun", u"Apellido Paterno", {0, 0, 1, 2}, Text, "ape_pat_volun", kName},
    {"EdApeMatVolun", u"Apellido Materno", {0, 1, 0}, Text, "ape_mat_volun", kName},
    {"EdNombreVolun", u"Nombres", {0, 1, 1, 2}, Text, "nombre_volun", kName},
    // Looked up like the other codes. Showing the built-in entry for any stored code would store its
    // 10 over every other code when the line is accepted; an unknown code shows an empty box, which
    // saving leaves as it was.
    {"CBxMovVolun",
     u"Cod. Mov. Personal",
     {0, 2, 0},
     Code,
     "cod_mov_per_volun",
     code(CodeTable::MovimientoVoluntario)},
    {"DEdDesdeVolun", u"Desde", {0, 2, 1}, Date, "fec_desde_volun"},
    {"DEdHastaVolun", u"Hasta", {0, 2, 2}, Date, "fec_hasta_volun"},
    {"CBxAfpVolun", u"Nombre AFP", {0, 3, 0}, Code, "cod_afp_volun", code(CodeTable::NombreAfp)},
    {"CuEdCapiVolun", u"Mto. Capitalización", {0, 3, 1}, Amount, "monto_cap_volun"},
    {"CuEdAhoVolun", u"Mto. Ahorro", {0, 3, 2}, Amount, "monto_aho_vol"},
    {"CuEdPerCotizaVolun", u"N° Per. Cotiza.", {0, 4, 0}, Amount, "num_per_cotiza", kDaysInMonth},
    {"CBxCodCajaReg",
     u"Cód. Ex-caja Régimen",
     {1, 0, 0, 2},
     Code,
     "cod_ex_caja",
     code(CodeTable::CodigoCaja)},
    {"CuEdTasaCaja", u"Tasa Ex-caja", {1, 0, 2}, Amount, "tasa_ex_caja", kTwoDecimals},
    {"CuedImpoFonasa", u"Impon. Fonasa", {1, 1, 0}, Amount, "renta_imp_fonasa"},
    {"CuEdCotizaInp", u"Cotización INP", {1, 1, 1}, Amount, "cot_INP"},
    {"CBxCodCajaDesa",
     u"Cód. Ex-caja Régimen Desahucio",
     {1, 2, 0, 2},
     Code,
     "cod_ex_caja_des",
     code(CodeTable::CodigoCaja, true)},
    {"CuEdTasaDesa", u"Tasa Desahucio", {1, 2, 2}, Amount, "tasa_ex_caja_des", kTwoDecimals},
    {"CuEdCotizaDesa", u"Cot. Desahucio", {1, 3, 0}, Amount, "cot_desahucio"},
    {"CuEdRentaImpDes", u"Renta Imp. Desahucio", {1, 3, 1}, Amount, "Renta_imp_des"},
    {"CuEdCotFonasa", u"Cot. Fonasa", {1, 3, 2}, Amount, "cotiza_fonasa"},
    {"CuEdAccidentes", u"Cot. Acc. Trabajo", {1, 4, 0}, Amount, "cot_acc_trab_inp"},
    {"CuEdLey", u"Bonif. Ley 15.386", {1, 4, 1}, Amount, "boni_ley"},
    {"CuEdDescCargas", u"Desc. Cargas Fam.", {1, 4, 2}, Amount, "desc_cargas_fam_inp"},
    {"CuEdBonoGob", u"Bonos Gobierno", {1, 5, 0}, Amount, "bonos_gob"},
    {"CBxIsapre",
     u"Cód. Institución de Salud",
     {2, 0, 0, 2},
     Code,
     "cod_inst_salud",
     code(CodeTable::Isapres, true)},
    // FUN numbers run to ten digits.
    {"CuEdNumeroFun", u"Numero FUN", {2, 0, 2}, Amount, "num_FUN", {.digits = 10}},
    {"CuedImpoSalud", u"Imponible", {2, 1, 0}, Amount, "impo_isapre"},
    {"RGpMonedaPlan", nullptr, {}, Choice, "moneda_plan", choice(u"Moneda Plan Pactado", u"Pesos|UF")},
    {"CuEdCotPactada", u"Cot. Pactada", {2, 1, 2}, Amount, "cot_pactada"},
    {"CuEdCotizaIsap", u"Cotización Isapre", {2, 2, 0}, Amount, "cot_obli_isa"},
    {"CuEdCotAdicio", u"Cot. Adic. Vol.", {2, 2, 2}, Amount, "cot_ad_vol"},
    {"CuEdMontoGes", u"Monto GES", {2, 3, 0}, Amount, "monto_ges"},
};

// "Datos CCAF - Mutual - Cesantía - Centro Costo": the CCAF (0), mutual (1), unemployment fund (2),
// subsidy payer (3) and cost centre (4) groups.
const Field kCcaf[] = {
    {"CBxCodigoCcaf", u"Código CCAF", {0, 0, 0, 2}, Code, "cod_CCAF", code(CodeTable::Ccaf)},
    {"CuEdImpoCCAF", u"Imponible", {0, 1, 0}, Amount, "impo_ccaf"},
    {"CuEdCredPerso", u"Créd. Personales", {0, 1, 1}, Amount, "Cred_per_CCAF"},
    {"CuEdDescDental", u"Desc. Dental", {0, 1, 2}, Amount, "Desc_Dental"},
    {"CuEdDescLeas", u"Desc. por Leassing", {0, 2, 0}, Amount, "desc_leassing"},
    {"CuEdSeguroVida", u"Seguro de Vida", {0, 2, 1}, Amount, "desc_seg_vida"},
    {"CuEdOtrosDesc", u"Otros Desc.", {0, 2, 2}, Amount, "otros_desc_ccaf"},
    {"CuEdCotizaCCAF", u"Cotización a CCAF", {0, 3, 0}, Amount, "cot_CCAF"},
    {"CuEdCarFamCcaf", u"Cargas Fam.", {0, 3, 1}, Amount, "Desc_Car_fam"},
    {"CuEdOtrosCCAF1", u"Otros Desc. 1", {0, 3, 2}, Amount, "otros_desc_ccaf1"},
    {"CuEdOtrosCCAF2", u"Otros Desc. 2", {0, 4, 0}, Amount, "otros_desc_ccaf2"},
    {"CuEdBonoGobCCAF", u"Bono Gobierno", {0, 4, 1}, Amount, "bono_gob_ccaf"},
    {"EdSucurCCAF", u"Sucursal CCAF", {0, 5, 0, 2}, Text, "cod_sucur_ccaf", {.limit = 20}},
    {"CBxMutual", u"Código Mutual", {1, 0, 0, 2}, Code, "cod_mutual", code(CodeTable::Mutual)},
    {"CuEdImpoMutual", u"Imponible", {1, 1, 0}, Amount, "impo_mutual"},
    {"CuEdCotMutual", u"Cot. Mutual", {1, 1, 1}, Amount, "cotiza_mutual"},
    {"CuEdSucursal", u"Sucursal", {1, 1, 2}, Amount, "sucur_mutual", {.limit = 3}},
    {"CuEdImpoCesantia", u"Imponible Seg. Cesantía", {2, 0, 0}, Amount, "Renta_impo_SC"},
    {"CuEdAporteTrab", u"Aporte Trabajador", {2, 0, 1}, Amount, "Aporte_trab_SC"},
    {"CuEdAporteEmp", u"Aporte Empleador", {2, 0, 2}, Amount, "aporte_emp_SC"},
    {"EdRutPagSub", nullptr, {}, Rut, "rut_pag_subs"},
    {"EdDVPagSub", nullptr, {}, CheckCharacter, "dv_pag_subs"},
    {"EdCentroCosto", u"Centro Costo", {4, 0, 0}, Text, "centro_costo", {.limit = 20}},
};

const std::array<std::span<const Field>, kTabCount> kTabs = {kTrabajador, kAfp, kVoluntario, kCcaf};

} // namespace

std::span<const Field> tab(int tab)
{
    return kTabs[std::size_t(tab)];
}

bool isPlain(Kind kind)
{
    return kind == Amount || kind == Text || kind == Date || kind == CheckCharacter;
}

} // namespace datosfields

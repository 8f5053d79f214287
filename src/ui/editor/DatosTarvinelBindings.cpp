#include "ui/editor/DatosTarvinelBindings.h"

#include "model/RecordTable.h"
#include "ui/editor/DatosTarvinelUi.h"
#include "ui/widgets/CurrencyEdit.h"
#include "ui/widgets/DateEdit.h"
#include "ui/widgets/UpperCaseEdit.h"
#include "util/AppError.h"
#include "util/Cp1252.h"
#include "util/EntryConversions.h"

namespace datosbindings {

namespace {

void showIn(CurrencyEdit *box, const FieldRef &field)
{
    // A text field that does not read as a number leaves the box at 0.
    try {
        box->setValue(field.asNumber());
    } catch (const AppError &) {
        box->setValue(0);
    }
}

void showIn(UpperCaseEdit *box, const FieldRef &field)
{
    box->setStoredText(cp1252::toUnicode(field.asText()));
}

void showIn(DateEdit *box, const FieldRef &field)
{
    box->setDate(entryconversions::storedDate(field.asText()));
}

void storeFrom(const CurrencyEdit *box, FieldRef &field)
{
    field.setNumber(box->value());
}

void storeFrom(const UpperCaseEdit *box, FieldRef &field)
{
    field.setText(cp1252::fromUnicode(box->text()));
}

void storeFrom(const DateEdit *box, FieldRef &field)
{
    // A date cannot be erased here: an empty box keeps the stored one.
    if (!box->isEmpty())
        field.setText(cp1252::fromUnicode(box->text()));
}

} // namespace

QList<Binding> plainBindings(const DatosTarvinelUi &ui)
{
    return {
        {ui.EdDV, "dv"},
        {ui.EdApepat, "ape_pat"},
        {ui.EdApeMat, "ape_mat"},
        {ui.EdNombres, "nombres"},
        {ui.CuEdDiasTrab, "dias_trab"},
        {ui.DEdMovDesde, "Fecha_Desde"},
        {ui.DEdMovHasta, "Fecha_Hasta"},
        {ui.CuEdAsigFamiliar, "asig_fam"},
        {ui.CuEdAsigRetro, "asig_fam_ret"},
        {ui.CuEdReintegro, "reint_cargas"},

        {ui.CuEdImpoAFP, "impo_afp"},
        {ui.CuEdCotizaAfp, "cot_obli_afp"},
        {ui.CuEdAporteSIS, "aporte_sis"},
        {ui.CuEdAhorroAfp, "ahorro_afp"},
        {ui.CuEdRentaImpSust, "sust_afp"},
        {ui.CuEdTasaPacSust, "tasa_pac_afp"},
        {ui.CuEdAporteIndemSust, "aporte_indem"},
        {ui.CuEdPeriSust, "num_per_sust"},
        {ui.DEdPerDesdeSust, "per_desde_sust"},
        {ui.DEdPerHastaSust, "per_hasta_sust"},
        {ui.EdTrabPesado, "trab_pesado"},
        {ui.CuEdPorTrabPesado, "porc_trab_pesado"},
        {ui.CuEdCotTrabPesado, "cot_trab_pesado"},
        {ui.EdContratoApvi, "num_contra_apvi"},
        {ui.CuEdCotAPVI, "cotiza_apvi"},
        {ui.CuEdDepConveniAPVI, "cot_dep_conv"},
        {ui.EdContratoAPVC, "num_contra_apvc"},
        {ui.CuEdCotAPVC, "cotiza_apvc"},
        {ui.CuEdCotEmpleador, "cot_emp_apvc"},

        {ui.EdDVAfiVol, "dv_afi_volun"},
        {ui.EdApePatVolun, "ape_pat_volun"},
        {ui.EdApeMatVolun, "ape_mat_volun"},
        {ui.EdNombreVolun, "nombre_volun"},
        {ui.DEdDesdeVolun, "fec_desde_volun"},
        {ui.DEdHastaVolun, "fec_hasta_volun"},
        {ui.CuEdCapiVolun, "monto_cap_volun"},
        {ui.CuEdAhoVolun, "monto_aho_vol"},
        {ui.CuEdPerCotizaVolun, "num_per_cotiza"},
        {ui.CuEdTasaCaja, "tasa_ex_caja"},
        {ui.CuedImpoFonasa, "renta_imp_fonasa"},
        {ui.CuEdCotizaInp, "cot_INP"},
        {ui.CuEdTasaDesa, "tasa_ex_caja_des"},
        {ui.CuEdCotizaDesa, "cot_desahucio"},
        {ui.CuEdRentaImpDes, "Renta_imp_des"},
        {ui.CuEdCotFonasa, "cotiza_fonasa"},
        {ui.CuEdAccidentes, "cot_acc_trab_inp"},
        {ui.CuEdLey, "boni_ley"},
        {ui.CuEdDescCargas, "desc_cargas_fam_inp"},
        {ui.CuEdBonoGob, "bonos_gob"},
        {ui.CuEdNumeroFun, "num_FUN"},
        {ui.CuedImpoSalud, "impo_isapre"},
        {ui.CuEdCotPactada, "cot_pactada"},
        {ui.CuEdCotizaIsap, "cot_obli_isa"},
        {ui.CuEdCotAdicio, "cot_ad_vol"},
        {ui.CuEdMontoGes, "monto_ges"},

        {ui.CuEdImpoCCAF, "impo_ccaf"},
        {ui.CuEdCredPerso, "Cred_per_CCAF"},
        {ui.CuEdDescDental, "Desc_Dental"},
        {ui.CuEdDescLeas, "desc_leassing"},
        {ui.CuEdSeguroVida, "desc_seg_vida"},
        {ui.CuEdOtrosDesc, "otros_desc_ccaf"},
        {ui.CuEdCotizaCCAF, "cot_CCAF"},
        {ui.CuEdCarFamCcaf, "Desc_Car_fam"},
        {ui.CuEdOtrosCCAF1, "otros_desc_ccaf1"},
        {ui.CuEdOtrosCCAF2, "otros_desc_ccaf2"},
        {ui.CuEdBonoGobCCAF, "bono_gob_ccaf"},
        {ui.EdSucurCCAF, "cod_sucur_ccaf"},
        {ui.CuEdImpoMutual, "impo_mutual"},
        {ui.CuEdCotMutual, "cotiza_mutual"},
        {ui.CuEdSucursal, "sucur_mutual"},
        {ui.CuEdImpoCesantia, "Renta_impo_SC"},
        {ui.CuEdAporteTrab, "Aporte_trab_SC"},
        {ui.CuEdAporteEmp, "aporte_emp_SC"},
        {ui.EdDVPagSub, "dv_pag_subs"},
        {ui.EdCentroCosto, "centro_costo"},
    };
}

void show(const Binding &binding, const FieldRef &field)
{
    std::visit([&field](auto *box) { showIn(box, field); }, binding.control);
}

void store(const Binding &binding, FieldRef field)
{
    std::visit([&field](auto *box) { storeFrom(box, field); }, binding.control);
}

} // namespace datosbindings

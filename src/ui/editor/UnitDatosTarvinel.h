#pragma once

#include "codes/CodeSections.h"
#include "ui/editor/EditorCodes.h"

#include <QByteArray>
#include <QDate>
#include <QDialog>
#include <QList>

#include <array>

class CodeComboBox;
class CurrencyEdit;
class DateEdit;
class FieldRef;
class PageControl;
class PictureEdit;
class QPushButton;
class RadioGroup;
class RecordTable;
class UpperCaseEdit;

// The record editor "Modificar Datos": every field of one declaration line on four tabs.
//
// Modify mode (addMode false) shows the current line of `table` and "&Aceptar" changes it; add mode
// starts from defaults and "&Aceptar" inserts a new line in front of the current one. The code
// lists are read from Tarvinel.cfg when the editor is made; the controls are filled when it is
// first shown, with `today` (the current date when invalid) as the current period.
//
// "&Aceptar" is all or nothing: a check or stop that refuses it shows its message and leaves the
// table exactly as it was (the pending line is cancelled), so only a complete save changes the
// table; on success the line is posted and the editor accepted. "&Cancelar" rejects the editor and
// leaves the table untouched. Messages go through the platform's note and error boxes.
class TFrmDatosTarvinel : public QDialog {
    Q_OBJECT

public:
    TFrmDatosTarvinel(RecordTable &table, bool addMode, QWidget *parent = nullptr, QDate today = QDate());
    ~TFrmDatosTarvinel() override;

    bool addMode() const { return m_addMode; }
    void setToday(QDate today) { m_today = today; }
    // The period of the last showing.
    const editorcodes::RPeriodo &period() const { return m_period; }
    // The entries read for a code table.
    const QList<QByteArray> &codes(CodeTable table) const { return m_codes[std::size_t(table)]; }

    void FormCreate();
    void FormShow();
    void BitBtn1Click();
    void BitBtn2Click();
    void PageControl1Change();

    // The tabs, in order.
    enum Tab { TabTrabajador, TabAfp, TabVoluntario, TabCcaf };

    PageControl *PageControl1;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

    // "Datos Trabajador"
    PictureEdit *EdRut;
    UpperCaseEdit *EdDV;
    RadioGroup *RGpSexo;
    UpperCaseEdit *EdApepat;
    UpperCaseEdit *EdApeMat;
    UpperCaseEdit *EdNombres;
    RadioGroup *RGNacionalidad;
    CodeComboBox *CBxTipoPago;
    PictureEdit *EdPerDesde;
    PictureEdit *EdPerHasta;
    RadioGroup *RGpRegPrevi;
    CodeComboBox *CBxTTrabajador;
    CurrencyEdit *CuEdDiasTrab;
    CodeComboBox *CBxTipoLinea;
    CodeComboBox *CBxMovPersonal;
    DateEdit *DEdMovDesde;
    DateEdit *DEdMovHasta;
    CodeComboBox *CBxTramoFam;
    UpperCaseEdit *EdCargasSimples;
    UpperCaseEdit *EdCargasMater;
    UpperCaseEdit *EdCargasInva;
    CurrencyEdit *CuEdAsigFamiliar;
    CurrencyEdit *CuEdAsigRetro;
    CurrencyEdit *CuEdReintegro;
    RadioGroup *RGSubsiTrabajador;

    // "Datos AFP - APVI - APVC"
    CodeComboBox *CBxAfp;
    CurrencyEdit *CuEdImpoAFP;
    CurrencyEdit *CuEdCotizaAfp;
    CurrencyEdit *CuEdAporteSIS;
    CurrencyEdit *CuEdAhorroAfp;
    CurrencyEdit *CuEdRentaImpSust;
    CurrencyEdit *CuEdTasaPacSust;
    CurrencyEdit *CuEdAporteIndemSust;
    CurrencyEdit *CuEdPeriSust;
    DateEdit *DEdPerDesdeSust;
    DateEdit *DEdPerHastaSust;
    UpperCaseEdit *EdTrabPesado;
    CurrencyEdit *CuEdPorTrabPesado;
    CurrencyEdit *CuEdCotTrabPesado;
    CodeComboBox *CBxApvi;
    UpperCaseEdit *EdContratoApvi;
    RadioGroup *RGFormaPagoAPVI;
    CurrencyEdit *CuEdCotAPVI;
    CurrencyEdit *CuEdDepConveniAPVI;
    CodeComboBox *CBxAPVC;
    UpperCaseEdit *EdContratoAPVC;
    RadioGroup *RGFormaPAgoAPVC;
    CurrencyEdit *CuEdCotAPVC;
    CurrencyEdit *CuEdCotEmpleador;

    // "Datos Afi. Voluntario - INP - Salud"
    PictureEdit *PFRutAfiVol;
    UpperCaseEdit *EdDVAfiVol;
    UpperCaseEdit *EdApePatVolun;
    UpperCaseEdit *EdApeMatVolun;
    UpperCaseEdit *EdNombreVolun;
    CodeComboBox *CBxMovVolun;
    DateEdit *DEdDesdeVolun;
    DateEdit *DEdHastaVolun;
    CodeComboBox *CBxAfpVolun;
    CurrencyEdit *CuEdCapiVolun;
    CurrencyEdit *CuEdAhoVolun;
    CurrencyEdit *CuEdPerCotizaVolun;
    CodeComboBox *CBxCodCajaReg;
    CurrencyEdit *CuEdTasaCaja;
    CurrencyEdit *CuedImpoFonasa;
    CurrencyEdit *CuEdCotizaInp;
    CodeComboBox *CBxCodCajaDesa;
    CurrencyEdit *CuEdTasaDesa;
    CurrencyEdit *CuEdCotizaDesa;
    CurrencyEdit *CuEdRentaImpDes;
    CurrencyEdit *CuEdCotFonasa;
    CurrencyEdit *CuEdAccidentes;
    CurrencyEdit *CuEdLey;
    CurrencyEdit *CuEdDescCargas;
    CurrencyEdit *CuEdBonoGob;
    CodeComboBox *CBxIsapre;
    CurrencyEdit *CuEdNumeroFun;
    CurrencyEdit *CuedImpoSalud;
    RadioGroup *RGpMonedaPlan;
    CurrencyEdit *CuEdCotPactada;
    CurrencyEdit *CuEdCotizaIsap;
    CurrencyEdit *CuEdCotAdicio;
    CurrencyEdit *CuEdMontoGes;

    // "Datos CCAF - Mutual - Cesantía - Centro Costo"
    CodeComboBox *CBxCodigoCcaf;
    CurrencyEdit *CuEdImpoCCAF;
    CurrencyEdit *CuEdCredPerso;
    CurrencyEdit *CuEdDescDental;
    CurrencyEdit *CuEdDescLeas;
    CurrencyEdit *CuEdSeguroVida;
    CurrencyEdit *CuEdOtrosDesc;
    CurrencyEdit *CuEdCotizaCCAF;
    CurrencyEdit *CuEdCarFamCcaf;
    CurrencyEdit *CuEdOtrosCCAF1;
    CurrencyEdit *CuEdOtrosCCAF2;
    CurrencyEdit *CuEdBonoGobCCAF;
    UpperCaseEdit *EdSucurCCAF;
    CodeComboBox *CBxMutual;
    CurrencyEdit *CuEdImpoMutual;
    CurrencyEdit *CuEdCotMutual;
    CurrencyEdit *CuEdSucursal;
    CurrencyEdit *CuEdImpoCesantia;
    CurrencyEdit *CuEdAporteTrab;
    CurrencyEdit *CuEdAporteEmp;
    PictureEdit *EdRutPagSub;
    UpperCaseEdit *EdDVPagSub;
    UpperCaseEdit *EdCentroCosto;

protected:
    void showEvent(QShowEvent *event) override;

private:
    // Where a refused save sends the user: the tab to show (-1: stay) and the control to focus.
    struct Stop {
        int tab;
        QString message;
        QWidget *focus;
    };

    QWidget *buildTrabajador();
    QWidget *buildAfp();
    QWidget *buildVoluntario();
    QWidget *buildCcaf();
    void orderTabs();

    void loadDefaults();
    void loadFromLine();
    // The checks before saving: false after showing the first one that fails.
    bool checkEntries();
    // Saving proper: every control into the pending line, in order; throws Stop or AppError.
    void copyToLine();
    void refuse(const Stop &stop);

    FieldRef field(const char *name);
    // Shows the entry of the stored code of field `name`, or an empty box.
    void showCode(CodeComboBox *box, CodeTable table, const char *name);
    // The entries of a box: those of its table, after the built-in one for CBxMovVolun.
    QList<QByteArray> entriesOf(const CodeComboBox *box, CodeTable table) const;
    double code(CodeComboBox *box, CodeTable table, const Stop &stop) const;

    RecordTable &m_table;
    const bool m_addMode;
    QDate m_today;
    editorcodes::RPeriodo m_period;
    std::array<QList<QByteArray>, codesections::kCount> m_codes;
    bool m_shown = false;
};

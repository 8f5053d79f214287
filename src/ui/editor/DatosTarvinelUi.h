#pragma once

class CodeComboBox;
class CurrencyEdit;
class DateEdit;
class PageControl;
class PictureEdit;
class QDialog;
class QPushButton;
class QWidget;
class RadioGroup;
class UpperCaseEdit;

// The controls of the record editor, named as on its screen, and the building of its four tabs.
// The form owns every control; the struct only points at them.
struct DatosTarvinelUi {
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

    // Builds the tabs and the buttons into `form`, whose font must already be set, and chains the
    // tab order through every control: tab by tab, then "&Aceptar" and "&Cancelar".
    void setupUi(QDialog *form);

private:
    // One file each.
    QWidget *buildTrabajador(QWidget *parent);
    QWidget *buildAfp(QWidget *parent);
    QWidget *buildVoluntario(QWidget *parent);
    QWidget *buildCcaf(QWidget *parent);
    void orderTabs();
};

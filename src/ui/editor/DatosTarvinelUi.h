#pragma once

#include <QLatin1StringView>
#include <QWidget>

class PageControl;
class PictureEdit;
class QDialog;
class QPushButton;
class QVBoxLayout;
class RadioGroup;

namespace formgrid {
class Pairs;
}

// The controls of the record editor and the building of its four tabs. The tables of
// DatosTarvinelFields declare every control; the tabs make and place them. The members below point
// at the RUTs, periods and radio groups, which the tabs place and the editor binds by rules of its
// own; the others are found by name. The form owns every control.
struct DatosTarvinelUi {
    // The tabs, in order.
    enum Tab { TabTrabajador, TabAfp, TabVoluntario, TabCcaf };

    PageControl *PageControl1;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

    PictureEdit *EdRut;
    RadioGroup *RGpSexo;
    RadioGroup *RGNacionalidad;
    PictureEdit *EdPerDesde;
    PictureEdit *EdPerHasta;
    RadioGroup *RGpRegPrevi;
    RadioGroup *RGSubsiTrabajador;
    RadioGroup *RGFormaPagoAPVI;
    RadioGroup *RGFormaPAgoAPVC;
    PictureEdit *PFRutAfiVol;
    RadioGroup *RGpMonedaPlan;
    PictureEdit *EdRutPagSub;

    // Builds the tabs and the buttons into `form`, whose font must already be set, and chains the
    // tab order through the tables.
    void setupUi(QDialog *form);

    // The control of that object name, of the class its table gives it.
    template <class T> T *control(const char *name) const
    {
        return m_form->findChild<T *>(QLatin1StringView(name));
    }

private:
    // One file each.
    QWidget *buildTrabajador(QWidget *parent);
    QWidget *buildAfp(QWidget *parent);
    QWidget *buildVoluntario(QWidget *parent);
    QWidget *buildCcaf(QWidget *parent);
    void orderTabs();

    // Makes on `page` every control that the table of `tab` makes.
    static void makeFields(QWidget *page, Tab tab);
    // Places, with their labels, the controls of group `group` that the table of `tab` places.
    void placeFields(formgrid::Pairs &pairs, Tab tab, int group) const;
    // A group box titled `title` on `page` holding the fields of group `group` of `tab`, stacked
    // on `column`; its pairs stay open for the controls the table does not place.
    formgrid::Pairs placedGroup(QWidget *page, QVBoxLayout *column, const QString &title, Tab tab,
                                int group) const;

    QWidget *m_form = nullptr;
};

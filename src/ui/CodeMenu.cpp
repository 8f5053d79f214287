#include "ui/CodeMenu.h"

#include <array>

namespace codemenu {

namespace {

// "Movimiento Voluntario" has no item: it cannot be edited from the program.
constexpr std::array<Item, kCount> kItems = {{
    {u"Tipo &Pago", CodeTable::TipoPago},
    {u"&Tipo Trabajador", CodeTable::TipoTrabajador},
    {u"&Movimiento Personal", CodeTable::MovimientoPersonal},
    {u"Tramo &Asignación Familiar", CodeTable::TramoFamiliar},
    {u"&Códigos de AFP", CodeTable::NombreAfp},
    {u"Códigos de &Isapres", CodeTable::Isapres},
    {u"&Nombre CCAF", CodeTable::Ccaf},
    {u"Nombre Mutual de &Seguridad", CodeTable::Mutual},
    {u"Códigos de Cajas ex &Régimen", CodeTable::CodigoCaja},
    {u"Nombres de Inst. AP&V Autorizadas", CodeTable::Apv},
    {u"Tipo &Línea", CodeTable::TipoLinea},
}};

} // namespace

const Item &item(int index)
{
    Q_ASSERT(index >= 0 && index < kCount);
    return kItems[std::size_t(index)];
}

} // namespace codemenu

#include "codes/CodeSections.h"

#include <array>

namespace codesections {

namespace {

constexpr std::array<CodeSection, kCount> kSections = {{
    {"TipoPago", 2, u"Modifica Tipo de Pago"},
    {"Tipo Trabajador", 1, u"Modifica Tipo de Trabajador"},
    // Two digits: the official movements run from 0 to 8 and from 11 to 15.
    {"Movimiento Personal", 2, u"Modifica Movimiento Personal"},
    {"Tramo Familiar", 1, u"Modifica Tramo Familiar"},
    {"Nombre AFP", 2, u"Modifica AFP"},
    {"Codigo Caja", 4, u"Modifica Cajas Ex Régimen"},
    {"Isapres", 2, u"Modifica Isapres"},
    {"CCAF", 2, u"Modifica CCAF"},
    {"Mutual", 2, u"Modifica Mutual de Seguridad"},
    {"APV", 3, u"Modifica APV"},
    // Two digits, like the field it feeds and the editor's built-in "10 Cese Cotiza. Afiliado Voluntario".
    {"Movimiento Voluntario", 2, nullptr},
    {"Tipo Linea", 2, u"Modifica Tipo Linea"},
}};

} // namespace

const CodeSection &section(CodeTable table)
{
    return kSections[std::size_t(table)];
}

const CodeSection &at(int index)
{
    Q_ASSERT(index >= 0 && index < kCount);
    return kSections[std::size_t(index)];
}

QByteArrayView name(CodeTable table)
{
    return QByteArrayView(section(table).name);
}

int width(CodeTable table)
{
    return section(table).width;
}

QStringView caption(CodeTable table)
{
    const char16_t *text = section(table).caption;
    return text ? QStringView(text) : QStringView();
}

const CodeSection *find(QByteArrayView name)
{
    for (const CodeSection &s : kSections) {
        if (QByteArrayView(s.name).compare(name, Qt::CaseInsensitive) == 0)
            return &s;
    }
    return nullptr;
}

} // namespace codesections

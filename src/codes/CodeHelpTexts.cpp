#include "codes/CodeHelpTexts.h"

#include <QList>

namespace codehelp {

namespace {

struct Entry {
    const char *section;
    CodeHelpText help;
};

const QList<Entry> &entries()
{
    static const QList<Entry> list = {
        {"TipoPago",
         {QStringLiteral("Tipo Pago"),
          {QStringLiteral("  Estos datos se refieren al tipo de pago que se está"),
           QStringLiteral("  declarando, es decir, si corresponde a remuneraciones"),
           QStringLiteral("  del mes (normal) o gratificaciones o bien si son pagos"),
           QStringLiteral("  retroactivos a empresas publicas.")},
          110}},
        {"Tipo Trabajador",
         {QStringLiteral("Tipo Trabajador"),
          {QStringLiteral("  Estos datos se refieren a si el trabajador está activo"),
           QStringLiteral("  (no pensionado) o pensionado aun trabajando o bien"),
           QStringLiteral("  si es mayor de 60 o 65 años pero nunca ha sido"),
           QStringLiteral("  pensionado")},
          100}},
        {"Movimiento Personal",
         {QStringLiteral("Movimiento personal"),
          {QStringLiteral("  Estos datos se refieren a los movimientos del personal"),
           QStringLiteral("  durante el mes, es decir, faltas, retiros, accidentes del"),
           QStringLiteral("  trabajo etc.")},
          100}},
        {"Tramo Familiar",
         {QStringLiteral("Tramo Familiar"),
          {QStringLiteral("  Estos datos se refieren a los tramos correspondientes"),
           QStringLiteral("  a las asignaciones familiares. ")},
          90}},
        {"Nombre AFP",
         {QStringLiteral("Nombre AFP"),
          {QStringLiteral("  Estos datos corresponden a los nombres y códigos de "),
           QStringLiteral("  las AFP vigentes a la fecha")},
          90}},
        {"Isapres",
         {QStringLiteral("Isapres"),
          {QStringLiteral("  Estos datos corresponden a los nombres y códigos"),
           QStringLiteral("  de las Isapres vigentes a la fecha")},
          90}},
        {"CCAF",
         {QStringLiteral("Cajas de Compensación"),
          {QStringLiteral("  Estos datos corresponden a los nombres y códigos"),
           QStringLiteral("  de las cajas de compensación vigentes")},
          90}},
        {"Mutual",
         {QStringLiteral("Mutuales"),
          {QStringLiteral("  Estos datos corresponden a los nombres y códigos"),
           QStringLiteral("  de las mutuales de seguridad")},
          90}},
        {"Codigo Caja",
         {QStringLiteral("Cajas ex Régimen"),
          {QStringLiteral("  Estos datos corresponden a los nombres y códigos"),
           QStringLiteral("  de las cajas del ex régimen previsional")},
          90}},
        {"APV",
         {QStringLiteral("Ahorro Previsional Voluntario"),
          {QStringLiteral("  Estos datos corresponden a las instituciones autorizadas"),
           QStringLiteral("  para manejar los fondos correspondientes al ahorro "),
           QStringLiteral("  previsional voluntario")},
          100}},
    };
    return list;
}

} // namespace

const CodeHelpText *find(QByteArrayView section)
{
    for (const Entry &entry : entries()) {
        if (QByteArrayView(entry.section).compare(section, Qt::CaseInsensitive) == 0)
            return &entry.help;
    }
    return nullptr;
}

} // namespace codehelp

#include "ui/export/GenExport.h"

#include "export/TableSheet.h"
#include "export/USaveXls.h"
#include "model/RecordTable.h"
#include "platform/Platform.h"
#include "ui/export/un_progress.h"
#include "util/AppError.h"
#include "util/Cp1252.h"

#include <QScopeGuard>

#include <memory>
#include <optional>

namespace {

void information(QWidget *owner, const QString &text, bool yesButton = false)
{
    platform::MessageRequest request{QStringLiteral("Information"), text, platform::Icon::Information};
    request.yesButton = yesButton;
    platform::current().message(owner, request);
}

void error(QWidget *owner, const QString &text)
{
    platform::current().message(owner, {QStringLiteral("Error"), text, platform::Icon::Error});
}

} // namespace

void TGenExport::Exportar(RecordTable &table)
{
    if (Tipo != ExExcel)
        return;
    if (!table.isOpen()) {
        information(m_owner, QStringLiteral("El origen de los datos no esta activo"));
        return;
    }
    if (Destino.isEmpty()) {
        information(m_owner, QStringLiteral("No indico el fichero de destino\r\nde los datos"));
        return;
    }
    const SuspendedDisplay suspended(table);
    table.first();
    // Titles serve one export only. The first move settled any pending row, so going back to the
    // first line cannot fail.
    const auto reset = qScopeGuard([&] {
        Titulos.clear();
        TitulosAsignados = false;
        table.first();
    });
    exportExcel(table);
}

void TGenExport::exportExcel(RecordTable &table)
{
    const int lines = table.rowCount();
    if (lines == 0) {
        information(m_owner, QStringLiteral("El origen de los datos no contiene información"), true);
        return;
    }
    if (lines > tablesheet::kMaxLines) {
        information(m_owner, QStringLiteral("El número de registros del origen en superior a \r\n"
                                            "la capacidad de filas soportadas por excel"));
        return;
    }
    auto progress = std::make_unique<Tf_progreso>(m_owner);
    progress->setTotal(lines);
    progress->showCentred();

    std::optional<TXlsWriter> writer;
    try {
        writer.emplace(Destino);
    } catch (const AppError &) {
        error(m_owner, QStringLiteral("No se pudo crear el\r\nfichero EXCEL ") + Destino);
        return;
    }
    QByteArrayList titles;
    if (TitulosAsignados) {
        for (const QString &title : std::as_const(Titulos))
            titles.append(cp1252::fromUnicode(title));
    } else {
        titles = tablesheet::fieldNames();
    }
    tablesheet::write(table, titles, *writer, [&](int written) { progress->setWritten(written); });
    writer->close();
}

#include "importers/RowCheck.h"

#include "db/Error.h"
#include "db/TargetTransaction.h"
#include "importers/LegacyValueError.h"
#include "writers/ConversionTally.h"

#include <QRegularExpression>

namespace vorlanda {

namespace {

thread_local RowCheck* installed = nullptr;

QString FirstLine(const QString& text) {
    return text.section(u'\n', 0, 0);
}

} // namespace

RowCheck::RowCheck(TargetTransaction& transaction) noexcept
    : transaction_(transaction), previous_(installed) {
    installed = this;
}

RowCheck::~RowCheck() {
    installed = previous_;
}

RowCheck* CurrentRowCheck() noexcept {
    return installed;
}

void RowCheck::RowStarts() {
    transaction_.Mark();
    NoteRowStarts();
}

void RowCheck::RowFailed(const Error& error, const QString& key, const QString& message,
                         const QString& collision) {
    transaction_.UndoToMark();
    NoteRowTakenBack();
    RowProblem problem{key, {}, collision.isEmpty() ? ProblemReason(error) : collision, message};
    if (const auto* values = dynamic_cast<const LegacyValueError*>(&error))
        problem.values = values->Values();
    NoteRowProblem(std::move(problem));
}

QString ProblemReason(const Error& error) {
    const QString message = error.Message();
    switch (error.Code()) {
    case kUniqueKeyViolation:
        return QStringLiteral("código repetido no destino");
    case kArithmeticError: {
        static const QRegularExpression lengths(
            QStringLiteral(R"(expected length (\d+), actual (\d+))"));
        if (const QRegularExpressionMatch match = lengths.match(message); match.hasMatch())
            return QStringLiteral("texto maior que a coluna de destino (cabem %1 caracteres, "
                                  "o valor tem %2)")
                .arg(match.captured(1), match.captured(2));
        return QStringLiteral("número ou texto grande demais para a coluna de destino");
    }
    case kValidationError: {
        static const QRegularExpression column(
            QStringLiteral(R"re(validation error for column "?([^".]+)"?\."?([^",]+)"?)re"));
        if (const QRegularExpressionMatch match = column.match(message); match.hasMatch())
            return QStringLiteral("valor não aceito na coluna %1.%2 (vazio numa coluna "
                                  "obrigatória?)")
                .arg(match.captured(1), match.captured(2));
        return QStringLiteral("valor não aceito pelo banco de destino");
    }
    default:
        break;
    }
    // The engine's own codes are all above this; ours are 0.
    if (error.Code() > 335544000)
        return QStringLiteral("recusado pelo banco de destino: ") + FirstLine(message);
    return FirstLine(message);
}

} // namespace vorlanda

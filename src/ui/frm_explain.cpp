#include "ui/frm_explain.h"

#include <QDialogButtonBox>
#include <QFont>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QTreeWidget* table(QWidget* parent, const QString& name, const QStringList& headers)
{
    auto* tree = new QTreeWidget(parent);
    tree->setObjectName(name);
    tree->setRootIsDecorated(false);
    tree->setHeaderLabels(headers);
    tree->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    return tree;
}

QString bytesText(const QByteArray& bytes)
{
    return bytes.isEmpty() ? FrmExplain::tr("(no bytes)") : frameFieldText({FrameField::Kind::Bytes, 0, 0, bytes, {}});
}

} // namespace

FrmExplain::FrmExplain(const FunctionExplanation& explanation, const QString& module, QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmExplain"));
    setWindowTitle(tr("Explain function"));
    auto* layout = new QVBoxLayout(this);

    auto* lblFunction =
        new QLabel(tr("%1 (id %2) in %3").arg(explanation.function, keywordIdText(explanation.id), module), this);
    lblFunction->setObjectName(QStringLiteral("lblFunction"));
    QFont bold = lblFunction->font();
    bold.setBold(true);
    lblFunction->setFont(bold);
    layout->addWidget(lblFunction);
    if (const QString where = codingBitsText(explanation.bits); !where.isEmpty()) {
        auto* lblWhere = new QLabel(tr("In the coding data: %1").arg(where), this);
        lblWhere->setObjectName(QStringLiteral("lblWhere"));
        layout->addWidget(lblWhere);
    }

    QTreeWidget* listFields = table(this, QStringLiteral("listFields"), {tr("Field"), tr("Value")});
    for (const NamedField& field : explanation.fields)
        new QTreeWidgetItem(listFields, {field.name, frameFieldText(field.value)});
    layout->addWidget(listFields);

    layout->addWidget(
        new QLabel(tr("Possible values and the bytes each writes (bold: the value in the trace):"), this));
    QTreeWidget* listValues = table(this, QStringLiteral("listValues"), {tr("Value"), tr("Id"), tr("Bytes")});
    for (const ExplainedValue& value : explanation.values) {
        auto* item = new QTreeWidgetItem(listValues, {value.name, keywordIdText(value.id), bytesText(value.bytes)});
        if (value.loaded) {
            for (int column = 0; column < 3; ++column)
                item->setFont(column, bold);
        }
    }
    layout->addWidget(listValues);

    // Changing a function that shares bits changes this one too: the user must know.
    auto* lblShares =
        new QLabel(explanation.sharesBitsWith.isEmpty()
                       ? tr("No other function of the module uses its bits.")
                       : tr("Shares bits with: %1").arg(explanation.sharesBitsWith.join(QStringLiteral(", "))),
                   this);
    lblShares->setObjectName(QStringLiteral("lblShares"));
    lblShares->setWordWrap(true);
    layout->addWidget(lblShares);

    QStringList search;
    if (explanation.search) {
        const SearchComparison& comparison = *explanation.search;
        if (comparison.agrees())
            search.append(tr("\"Show values\" finds the same values."));
        if (!comparison.searchError.isEmpty())
            search.append(tr("The search of \"Show values\" stops: %1").arg(comparison.searchError));
        if (!comparison.onlyInStructure.isEmpty())
            search.append(
                tr("Not found by \"Show values\": %1").arg(comparison.onlyInStructure.join(QStringLiteral(", "))));
        if (!comparison.onlyInSearch.isEmpty())
            search.append(
                tr("Found only by \"Show values\": %1").arg(comparison.onlyInSearch.join(QStringLiteral(", "))));
    }
    auto* lblSearch = new QLabel(search.join(u'\n'), this);
    lblSearch->setObjectName(QStringLiteral("lblSearch"));
    lblSearch->setWordWrap(true);
    layout->addWidget(lblSearch);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setObjectName(QStringLiteral("cmdClose"));
    buttons->button(QDialogButtonBox::Close)->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    resize(560, 480);
}

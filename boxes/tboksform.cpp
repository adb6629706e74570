#include "boxes/tboksform.h"

#include "boxes/modalseam.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int margin = 12;
constexpr int lukketPunkter = 8;
constexpr int vistPunkter = 10;
}  // namespace

TBoksform::TBoksform(QWidget* mainWindow, const QString& caption)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint)
    , label(new QLabel(this))
    , buttons(new QVBoxLayout)
{
    setWindowTitle(caption);
    setModal(true);
    label->setObjectName(QStringLiteral("tekstLabel"));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(label, 1);
    layout->addLayout(buttons);
    nulstil();
}

void TBoksform::insertTekst(const QString& tekst)
{
    FTekst = tekst;
    // The messages keep the carriage returns of their texts as line breaks; the label breaks
    // lines at "\n" alone.
    QString linjer = tekst;
    linjer.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    label->setText(linjer);
}

QString TBoksform::tekst() const { return FTekst; }

int TBoksform::visModal()
{
    foerVisning();
    tilpasStoerrelse();
    const int result = modalseam::exec(*this);
    nulstil();
    return result;
}

void TBoksform::nulstil()
{
    FTekst.clear();
    label->clear();
    QFont font = label->font();
    font.setPointSize(lukketPunkter);
    label->setFont(font);
}

void TBoksform::tilpasStoerrelse()
{
    QFont font = label->font();
    font.setPointSize(vistPunkter);
    label->setFont(font);
    const int labelHeight = label->heightForWidth(outerWidth - 2 * margin);
    setFixedSize(outerWidth, std::max(labelHeight, 0) + tilfoejetHoejde());
    if (QWidget* owner = parentWidget()) {
        const QRect area = owner->frameGeometry();
        move(area.center() - rect().center());
    }
}

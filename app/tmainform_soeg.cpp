// The page "Søg på nettet": the web searches and the message centre.
#include "app/handlingsregler.h"
#include "app/kontroller.h"
#include "app/tmainform.h"
#include "boxes/tinfform.h"
#include "core/soegeadresse.h"
#include "platform/registry.h"
#include "platform/shell.h"

#include <QAction>
#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

QRadioButton* radio(const char* navn, const QString& hint, QWidget* parent)
{
    auto* knap = new QRadioButton(parent);
    knap->setObjectName(QLatin1String(navn));
    knap->setToolTip(hint);
    return knap;
}

}  // namespace

void Tmainform::soegPaaNettet(Soegetjeneste tjeneste, const QString& tekst)
{
    rapporter(platform::get<platform::Shell>().openUri(
        soegeadresse(tjeneste, tekst.isEmpty() ? QStringLiteral("Der mangler et søgeord") : tekst)));
}

void Tmainform::byggeSoegeside()
{
    auto* side = globusIndhold;
    auto* layout = new QVBoxLayout(side);

    auto* findBoks = new QGroupBox(QStringLiteral("Søg efter:"), side);
    auto* findGitter = new QGridLayout(findBoks);
    auto* findEditX = felt<QLineEdit>("findEditX", QStringLiteral("Søgefelt"), QStringLiteral("Indfør søgetekst"), findBoks);
    auto* CheckFind = radio("CheckFind", QStringLiteral("Anvend mit tekstfelt"), findBoks);
    auto* findMemo = felt<QPlainTextEdit>("findMemo", QString(), QString(), findBoks);
    findMemo->setTabChangesFocus(true);
    findMemo->setFixedHeight(90);
    auto* CheckMemo = radio("CheckMemo", QStringLiteral("Anvend min skriveboks"), findBoks);
    auto* tubeBoks = new QGroupBox(QStringLiteral("Søg efter:"), side);
    auto* tubeGitter = new QGridLayout(tubeBoks);
    auto* tubeEdit = felt<QLineEdit>("tubeEdit", QStringLiteral("Søgefelt"), QStringLiteral("Indfør søgetekst"), tubeBoks);
    auto* CheckTube = radio("CheckTube", QStringLiteral("Anvend mit skrivefelt"), tubeBoks);

    // The three radio buttons are one choice across their panels; choosing one goes to its field.
    auto* valg = new QButtonGroup(side);
    const std::pair<QRadioButton*, QWidget*> par[] = {{CheckFind, findEditX}, {CheckMemo, findMemo}, {CheckTube, tubeEdit}};
    for (const auto& [knap, feltet] : par) {
        valg->addButton(knap);
        connect(knap, &QRadioButton::toggled, feltet, [feltet](bool valgt) {
            if (valgt)
                feltet->setFocus();
        });
    }
    CheckFind->setChecked(true);

    const auto findTekst = [=] {
        if (CheckFind->isChecked())
            return findEditX->text();
        return CheckMemo->isChecked() ? findMemo->toPlainText() : QString();
    };
    const auto findKlar = [=] {
        return (CheckFind->isChecked() || CheckMemo->isChecked())
               && (!findEditX->text().isEmpty() || !findMemo->toPlainText().isEmpty());
    };
    QAction* googleUrlen = handling("googleUrlen", QStringLiteral("Google"), QStringLiteral("Søg med Google: Shift+Ctrl+G"),
                                    Qt::SHIFT | Qt::CTRL | Qt::Key_G,
                                    [this, findTekst] { soegPaaNettet(Soegetjeneste::Google, findTekst()); });
    QAction* bingUrl = handling("bingUrl", QStringLiteral("Bing"), QStringLiteral("Søg med Microsoft Bing: Shift+Ctrl+B"),
                                Qt::SHIFT | Qt::CTRL | Qt::Key_B,
                                [this, findTekst] { soegPaaNettet(Soegetjeneste::Bing, findTekst()); });
    QAction* tubeUrl = handling("tubeUrl", QStringLiteral("Søg på YouTube"), QStringLiteral("Søg med YouTube: Shift+Ctrl+T"),
                                Qt::SHIFT | Qt::CTRL | Qt::Key_T, [this, CheckTube, tubeEdit] {
                                    soegPaaNettet(Soegetjeneste::YouTube, CheckTube->isChecked() ? tubeEdit->text() : QString());
                                });
    QAction* aClearMemo = handling("aClearMemo", QStringLiteral("Rens"), QStringLiteral("Rens tekstvinduet for tekst"), {},
                                   [findMemo] { findMemo->clear(); });
    regler->tilfoej(googleUrlen, findKlar);
    regler->tilfoej(bingUrl, findKlar);
    regler->tilfoej(tubeUrl, [=] { return CheckTube->isChecked() && !tubeEdit->text().isEmpty(); });
    regler->tilfoej(aClearMemo, [findMemo] { return !findMemo->toPlainText().isEmpty(); });
    for (QLineEdit* f : {findEditX, tubeEdit})
        connect(f, &QLineEdit::textChanged, regler, &Handlingsregler::opdaterSenere);
    connect(findMemo, &QPlainTextEdit::textChanged, regler, &Handlingsregler::opdaterSenere);
    connect(valg, &QButtonGroup::buttonToggled, regler, &Handlingsregler::opdaterSenere);

    findGitter->addWidget(findEditX, 0, 0, 1, 2);
    findGitter->addWidget(CheckFind, 0, 2);
    findGitter->addWidget(findMemo, 1, 0, 2, 2);
    findGitter->addWidget(CheckMemo, 1, 2);
    findGitter->addWidget(knapFor(aClearMemo, findBoks), 3, 0);
    findGitter->addWidget(knapFor(googleUrlen, findBoks), 4, 0);
    findGitter->addWidget(knapFor(bingUrl, findBoks), 4, 1);
    tubeGitter->addWidget(tubeEdit, 0, 0);
    tubeGitter->addWidget(CheckTube, 0, 1);
    tubeGitter->addWidget(knapFor(tubeUrl, tubeBoks), 1, 0);
    layout->addWidget(findBoks);
    layout->addWidget(tubeBoks);

    // The message centre: Enter in the title goes to the text, Enter in the text to "Send".
    auto* besked = new QGroupBox(QStringLiteral("Besked center"), side);
    auto* beskedLayout = new QGridLayout(besked);
    auto* bcEdit = felt<QLineEdit>("bcEdit", QString(), QStringLiteral("Skriv overskriften her"), besked);
    auto* bcEditTekst = felt<QLineEdit>("bcEditTekst", QString(), QStringLiteral("Skriv beskeden her"), besked);
    auto* bcNyButton = tekstknap("bcNyButton", QStringLiteral("Ny"), QString(), besked);
    auto* bcButton = tekstknap("bcButton", QStringLiteral("Send"), QString(), besked);
    connect(bcEdit, &QLineEdit::returnPressed, bcEditTekst, [bcEditTekst] { bcEditTekst->setFocus(); });
    connect(bcEditTekst, &QLineEdit::returnPressed, bcButton, [bcButton] { bcButton->setFocus(); });
    connect(bcNyButton, &QPushButton::clicked, bcEdit, [bcEdit, bcEditTekst] {
        bcEdit->clear();
        bcEditTekst->clear();
        bcEdit->setFocus();
    });
    connect(bcButton, &QPushButton::clicked, this, [this, bcEdit, bcEditTekst] {
        if (!makeInfo(bcEdit->text(), bcEditTekst->text()))
            info->sig(QStringLiteral("Beskeden blev ikke sendt: ingen notifikationstjeneste svarede."));
    });
    beskedLayout->addWidget(bcEdit, 0, 0, 1, 2);
    beskedLayout->addWidget(bcEditTekst, 1, 0, 1, 2);
    beskedLayout->addWidget(bcNyButton, 2, 0);
    beskedLayout->addWidget(bcButton, 2, 1);
    layout->addWidget(besked);
    layout->addStretch();
}

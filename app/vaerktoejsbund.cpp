#include "app/vaerktoejsbund.h"

#include "app/kontroller.h"
#include "app/tmainform.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>

QHBoxLayout* vaerktoejsBund(Tmainform& main, QWidget* vindue, bool internt, const QString& hjaelpeside,
                            const char* lukNavn)
{
    auto* bund = new QHBoxLayout;
    auto* stifinder = new QToolButton(vindue);
    stifinder->setDefaultAction(main.hovedhandling(QStringLiteral("aVisStifinder")));
    bund->addWidget(stifinder);
    bund->addStretch();
    QPushButton* info = tekstknap("infoButton", QStringLiteral("Information"), QStringLiteral("Information"), vindue);
    info->setVisible(!internt);
    QObject::connect(info, &QPushButton::clicked, vindue, [&main, hjaelpeside] { main.InfoHelp(hjaelpeside); });
    bund->addWidget(info);
    QPushButton* luk = tekstknap(lukNavn, QStringLiteral("Luk"), QString(), vindue);
    QObject::connect(luk, &QPushButton::clicked, vindue, [vindue] { lukVindue(vindue); });
    bund->addWidget(luk);
    return bund;
}

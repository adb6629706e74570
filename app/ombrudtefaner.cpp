#include "app/ombrudtefaner.h"

#include "app/ombrydningslayout.h"

#include <QButtonGroup>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

QWidget* medOmbrudteFaner(QTabWidget* bog)
{
    auto* helhed = new QWidget(bog->parentWidget());
    auto* layout = new QVBoxLayout(helhed);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* raekker = new QWidget(helhed);
    raekker->setObjectName(bog->objectName() + QStringLiteral("Faner"));
    auto* ombrydning = new Ombrydningslayout(raekker, 0);
    ombrydning->setContentsMargins(0, 0, 0, 0);
    auto* gruppe = new QButtonGroup(raekker);
    for (int i = 0; i < bog->count(); ++i) {
        auto* fane = new QToolButton(raekker);
        fane->setText(bog->tabText(i));
        fane->setToolTip(bog->tabToolTip(i));
        fane->setCheckable(true);
        fane->setProperty("fane", true);  // the style sheets draw it as a tab
        gruppe->addButton(fane, i);
        ombrydning->addWidget(fane);
    }
    if (QAbstractButton* aktuel = gruppe->button(bog->currentIndex()))
        aktuel->setChecked(true);
    QObject::connect(gruppe, &QButtonGroup::idClicked, bog, &QTabWidget::setCurrentIndex);
    QObject::connect(bog, &QTabWidget::currentChanged, gruppe, [gruppe](int side) {
        if (QAbstractButton* fane = gruppe->button(side))
            fane->setChecked(true);
    });
    bog->tabBar()->hide();
    layout->addWidget(raekker);
    layout->addWidget(bog, 1);
    return helhed;
}

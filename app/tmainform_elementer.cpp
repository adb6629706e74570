// The child windows: the element tabs, the numbering of explorer windows, and the one pattern by
// which every tool window is opened.
#include "app/elementvinduer.h"
#include "boxes/modalseam.h"
#include "boxes/tinfform.h"
#include "app/handlingsregler.h"
#include "app/hintfilter.h"
#include "app/tmainform.h"
#include "fileops/motor/filoperation.h"
#include "core/pathhelpers.h"

#include "core/optionlinjer.h"
#include "platform/textfile.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTabBar>
#include <QTimer>
#include <stdexcept>

QList<QWidget*> Tmainform::elementer() const
{
    QList<QWidget*> windows;
    for (QMdiSubWindow* sub : mdiArea->subWindowList(QMdiArea::CreationOrder))
        if (sub->widget())
            windows.append(sub->widget());
    return windows;
}

QList<QWidget*> Tmainform::stifindere() const
{
    QList<QWidget*> windows;
    for (QWidget* window : elementer())
        if (elementType(window) == ElementType::Stifinder)
            windows.append(window);
    return windows;
}

QWidget* Tmainform::aktivtElement() const
{
    QMdiSubWindow* sub = mdiArea->activeSubWindow();
    return sub ? sub->widget() : nullptr;
}

StifinderVindue* Tmainform::aktivStifinder() { return dynamic_cast<StifinderVindue*>(aktivtElement()); }

QMdiSubWindow* Tmainform::visElement(QWidget* window, bool maksimeret)
{
    QMdiSubWindow* sub = mdiArea->addSubWindow(window);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    // The keys of a window's own menu (Ctrl+F4 closes it) work in that window: with the main
    // window as their reach, the same key of two windows is ambiguous and neither fires.
    for (QAction* action : sub->systemMenu()->actions())
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    if (maksimeret)
        sub->showMaximized();
    else
        sub->show();
    mdiArea->setActiveSubWindow(sub);
    return sub;
}

namespace {

// A window's place: left, top, height and width.
struct Placering {
    int venstre = 0;
    int top = 0;
    int hoejde = 0;
    int bredde = 0;
};
using PlaceringsLinje = OptionLinje<Placering>;
const std::array<PlaceringsLinje, 4> placeringsLinjer = {
    PlaceringsLinje::talLinje(&Placering::venstre), PlaceringsLinje::talLinje(&Placering::top),
    PlaceringsLinje::talLinje(&Placering::hoejde), PlaceringsLinje::talLinje(&Placering::bredde)};

// Places a window of its own from its file (the defaults when the file does not hold as many
// numbers as they give), and writes its place back when it closes, keeping the lines after it.
class PlaceringsVogter : public QObject {
public:
    PlaceringsVogter(QWidget* window, const QString& filnavn, const QList<int>& standard)
        : QObject(window), window(window), filnavn(filnavn), antal(std::min<qsizetype>(standard.size(), 4))
    {
        Placering sted;
        const QStringList linjer = platform::readTextLines(filnavn).value_or(QStringList());
        bool ok = linjer.size() >= antal;
        for (qsizetype i = 0; ok && i < antal; ++i)
            ok = placeringsLinjer[i].anvend(linjer[i], sted);
        if (!ok)
            for (qsizetype i = 0; i < antal; ++i)
                placeringsLinjer[i].anvend(QString::number(standard[i]), sted);
        // A file of the place alone keeps the window's own size.
        window->setGeometry(sted.venstre, sted.top, antal > 3 ? sted.bredde : window->width(),
                            antal > 2 ? sted.hoejde : window->height());
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Close) {
            const Placering sted{window->geometry().x(), window->geometry().y(), window->height(), window->width()};
            QStringList linjer = platform::readTextLines(filnavn).value_or(QStringList());
            const QStringList nye = optionLinjer(placeringsLinjer, sted).mid(0, antal);
            linjer = nye + linjer.mid(antal);
            platform::writeTextLines(filnavn, linjer);
        }
        return false;
    }

private:
    QWidget* window;
    QString filnavn;
    qsizetype antal;
};

}  // namespace

void Tmainform::registrerElement(QMdiSubWindow* sub)
{
    QWidget* window = sub ? sub->widget() : nullptr;
    if (!window)
        return;
    if (registreredeElementer.contains(window)) {
        fokusTab(window->windowTitle());
    } else {
        registreredeElementer.append(window);
        InsertTab();
        SetTCindex();
        const QString caption = window->windowTitle();
        elementForbindelser.append(connect(sub, &QObject::destroyed, this, [this, window, caption] {
            registreredeElementer.removeAll(window);
            CloseTab(caption);
            regler->opdaterSenere();
        }));
    }
    anvendHints(window);
    if (auto* explorer = dynamic_cast<StifinderVindue*>(window))
        explorer->FormActivate();
}

void Tmainform::InsertTab()
{
    QWidget* aktiv = aktivtElement();
    if (!aktiv)
        return;
    if (elementType(aktiv) == ElementType::Klipbord) {
        int klipborde = 0;
        for (QWidget* window : elementer())
            klipborde += elementType(window) == ElementType::Klipbord;
        elementTabs->insertTab(std::max(0, klipborde - 1), aktiv->windowTitle());
    } else {
        elementTabs->addTab(aktiv->windowTitle());
    }
}

void Tmainform::SetTCindex()
{
    QWidget* aktiv = aktivtElement();
    const int children = int(elementer().size());
    if (!aktiv || children == 0 || elementTabs->count() == 0)
        return;
    for (int i = 0; i < elementTabs->count() && i < children; ++i) {
        if (sammeTekst(elementTabs->tabText(i), aktiv->windowTitle())) {
            const QSignalBlocker quiet(elementTabs);
            elementTabs->setCurrentIndex(i);
            return;
        }
    }
}

int Tmainform::tabMed(const QString& tekst) const
{
    for (int i = 0; i < elementTabs->count(); ++i)
        if (sammeTekst(elementTabs->tabText(i), tekst))
            return i;
    return -1;
}

void Tmainform::fokusTab(const QString& aName)
{
    if (const int i = tabMed(aName); i >= 0) {
        const QSignalBlocker quiet(elementTabs);
        elementTabs->setCurrentIndex(i);
    }
}

void Tmainform::CloseTab(const QString& aCapNavn)
{
    // The tab of a window that is going: the tab that becomes current activates nothing, for the
    // MDI area activates the next window itself and the going one is no sub-window any more.
    if (const int i = tabMed(aCapNavn); i >= 0) {
        const QSignalBlocker quiet(elementTabs);
        elementTabs->removeTab(i);
    }
    if (elementTabs->count() == 0)
        NewCount = 0;
}

void Tmainform::tcChange(int index)
{
    const QString text = elementTabs->tabText(index);
    for (QMdiSubWindow* sub : mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (sub->widget() && sammeTekst(sub->widget()->windowTitle(), text)) {
            sub->show();
            mdiArea->setActiveSubWindow(sub);
            return;
        }
    }
}

QWidget* Tmainform::makeNewStifinder()
{
    if (!stifinderFabrik)
        return nullptr;
    if (stifindere().isEmpty())
        NewCount = 0;
    ++NewCount;
    QWidget* window = stifinderFabrik(*this);
    if (!window) {
        --NewCount;
        return nullptr;
    }
    setElementType(window, ElementType::Stifinder);
    visElement(window, true);
    QApplication::processEvents();
    return window;
}

void Tmainform::openStifinder()
{
    const QList<QWidget*> explorers = stifindere();
    if (explorers.isEmpty()) {
        makeNewStifinder();
        return;
    }
    auto* sub = qobject_cast<QMdiSubWindow*>(explorers.first()->parentWidget());
    sub->show();
    mdiArea->setActiveSubWindow(sub);
}

void Tmainform::aktiverWinform(bool opdater, const QString& potMappe)
{
    if (stifindere().isEmpty()) {
        makeNewStifinder();
        return;
    }
    openStifinder();
    auto* explorer = dynamic_cast<StifinderVindue*>(stifindere().first());
    if (!explorer)
        return;
    if (!potMappe.isEmpty() && QFileInfo(potMappe).isDir())
        explorer->gaaTilMappe(potMappe);
    else if (opdater)
        explorer->opdater();
}

void Tmainform::aktiverElement(QWidget* window)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        mdiArea->setActiveSubWindow(sub);
}

QWidget* Tmainform::stifinderMedNavn(const QString& aCaption) const
{
    for (QWidget* window : stifindere())
        if (sammeTekst(window->windowTitle(), aCaption))
            return window;
    return nullptr;
}

QWidget* Tmainform::getWinform(const QString& aCaption)
{
    if (QWidget* window = stifinderMedNavn(aCaption))
        return window;
    info->sig(QStringLiteral("Der blev ikke fundet en Filfinder.\nDer skal være en Filfinder for at udføre funktionen."));
    return nullptr;
}

void Tmainform::aendrProcessCount(int aendring)
{
    processCount += aendring;
    regler->opdaterSenere();
    if (processCount == 0 && lukVenter) {
        lukVenter = false;
        QTimer::singleShot(0, this, &Tmainform::lukNaarMuligt);
    }
}

void Tmainform::lukEfterSignal()
{
    lukkerEfterSignal = true;
    Filoperation::stopAlle();
    modalseam::afslutAlle();
    lukNaarMuligt();
}

void Tmainform::lukNaarMuligt()
{
    if (lukVenter)
        return;
    if (modalseam::aabne() > 0) {
        lukVenter = true;
        modalseam::naarIngenAaben([vindue = QPointer<Tmainform>(this)] {
            if (!vindue)
                return;
            vindue->lukVenter = false;
            QTimer::singleShot(0, vindue, &Tmainform::lukNaarMuligt);
        });
        return;
    }
    if (processCount > 0) {
        lukVenter = true;
        return;
    }
    close();
    // A tool window of its own that would not close must not keep the program from ending.
    if (lukkerEfterSignal)
        QCoreApplication::quit();
}

void Tmainform::anvendHints(QWidget* vindue) { hints->saet(vindue, processCount > 0 && opt.vhaFunkCheck); }

void Tmainform::CloseElementExecute()
{
    const QList<QWidget*> explorers = stifindere();
    QWidget* lukkes = nullptr;
    if (NewCount <= 1 && opt.sammeKlipbord) {
        lukkes = explorers.isEmpty() ? nullptr : explorers.last();
    } else {
        for (QWidget* window : explorers)
            if (window->windowTitle() == QStringLiteral("Stifinder %1").arg(NewCount))
                lukkes = window;
    }
    if (lukkes) {
        auto* sub = qobject_cast<QMdiSubWindow*>(lukkes->parentWidget());
        sub->show();
        sub->close();
    }
    QApplication::processEvents();
}

void Tmainform::CloseAlleElementerExecute()
{
    const QList<QMdiSubWindow*> subs = mdiArea->subWindowList(QMdiArea::CreationOrder);
    for (auto it = subs.rbegin(); it != subs.rend(); ++it)
        if (elementType((*it)->widget()) == ElementType::Andet)
            (*it)->close();
}

void Tmainform::registrerVaerktoej(const QString& actionName, std::function<QWidget*()> fabrik,
                                   EksternPlacering placering)
{
    if (!vaerktoejer.contains(actionName))
        throw std::invalid_argument("no tool window opens with the action " + actionName.toStdString());
    Vaerktoej& vaerktoej = vaerktoejer[actionName];
    vaerktoej.fabrik = std::move(fabrik);
    vaerktoej.placering = std::move(placering);
    regler->opdaterSenere();
}

QWidget* Tmainform::aabnVaerktoej(const QString& actionName)
{
    const auto fundet = vaerktoejer.find(actionName);
    return fundet == vaerktoejer.end() ? nullptr : aabnVaerktoej(*fundet);
}

QAction* Tmainform::hovedhandling(const QString& navn) const
{
    QAction* action = handlinger.value(navn);
    if (!action)
        throw std::invalid_argument("the main window has no action " + navn.toStdString());
    return action;
}

QWidget* Tmainform::aabnVaerktoej(Vaerktoej& vaerktoej)
{
    if (!vaerktoej.vindue) {
        for (QWidget* window : elementer())
            if (window->objectName() == vaerktoej.action->objectName())
                vaerktoej.vindue = window;
    }
    if (!vaerktoej.vindue && vaerktoej.fabrik) {
        QWidget* window = vaerktoej.fabrik();
        if (!window)
            return nullptr;
        window->setObjectName(vaerktoej.action->objectName());
        vaerktoej.vindue = window;
        // The way of opening cannot change while the window exists.
        if (auto* gruppe = vaerktoej.aabningsgruppe ? findChild<QGroupBox*>(QLatin1String(vaerktoej.aabningsgruppe)) : nullptr) {
            gruppe->setEnabled(false);
            connect(window, &QObject::destroyed, gruppe, [gruppe] { gruppe->setEnabled(true); });
        }
        if (vaerktoej.aabning && opt.*vaerktoej.aabning == 1)
            visEksternt(window, vaerktoej.placering);
        else
            visElement(window, true);
        return window;
    }
    if (QWidget* window = vaerktoej.vindue) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget())) {
            sub->show();
            mdiArea->setActiveSubWindow(sub);
        } else {
            window->show();
            window->raise();
            window->activateWindow();
        }
    }
    return vaerktoej.vindue;
}

void Tmainform::visEksternt(QWidget* window, const EksternPlacering& placering)
{
    window->setParent(nullptr);
    window->setAttribute(Qt::WA_DeleteOnClose);
    if (!placering.filnavn.isEmpty())
        new PlaceringsVogter(window, folders.OptMappe + placering.filnavn, placering.standard);
    window->show();
}

void Tmainform::arrangerElementer(Qt::Orientation retning)
{
    const QList<QMdiSubWindow*> subs = mdiArea->subWindowList(QMdiArea::CreationOrder);
    if (subs.isEmpty())
        return;
    const QRect area = mdiArea->viewport()->rect();
    const int count = int(subs.size());
    for (int i = 0; i < count; ++i) {
        subs[i]->showNormal();
        if (retning == Qt::Horizontal) {
            const int w = area.width() / count;
            subs[i]->setGeometry(i * w, 0, w, area.height());
        } else {
            const int h = area.height() / count;
            subs[i]->setGeometry(0, i * h, area.width(), h);
        }
    }
}

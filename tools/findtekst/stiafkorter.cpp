#include "tools/findtekst/stiafkorter.h"

#include <QApplication>
#include <QStyle>

QString Stiafkorter::afkortet(const QString& sti, const QFontMetrics& maal, int bredde)
{
    if (maal.horizontalAdvance(sti) <= bredde)
        return sti;
    const QString navn = sti.section(u'/', -1);
    const int tilMappe = bredde - maal.horizontalAdvance(navn);
    if (navn.isEmpty() || tilMappe < maal.horizontalAdvance(QStringLiteral("…/")))
        return maal.elidedText(sti, Qt::ElideMiddle, bredde);
    return maal.elidedText(sti.chopped(navn.size()), Qt::ElideMiddle, tilMappe) + navn;
}

void Stiafkorter::initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const QWidget* view = option->widget;
    const QStyle* stil = view ? view->style() : QApplication::style();
    // The style's text margin on either side, as it draws an item's text.
    const int margen = 2 * (stil->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1);
    option->text = afkortet(option->text, option->fontMetrics, option->rect.width() - margen);
}

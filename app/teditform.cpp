#include "app/teditform.h"

#include <QTextEdit>
#include <QVBoxLayout>

Teditform::Teditform(QWidget* parent)
    : QWidget(parent, Qt::Window)
    , re(new QTextEdit(this))
{
    setObjectName(QStringLiteral("editform"));
    re->setObjectName(QStringLiteral("RE"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(re);
    hide();
}

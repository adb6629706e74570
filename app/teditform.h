#pragma once

#include <QWidget>

class QTextEdit;

// A hidden window with one rich-text field "RE", into which pages are loaded to be searched.
class Teditform : public QWidget {
    Q_OBJECT
public:
    explicit Teditform(QWidget* parent = nullptr);
    QTextEdit* RE() const { return re; }

private:
    QTextEdit* re;
};

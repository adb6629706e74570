#pragma once

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QWidget>

// Types text into a field as an input method hands it over, so any letter can be typed and the
// field counts it as the user's own input.
inline void taste(QWidget* felt, const QString& tekst)
{
    QInputMethodEvent event;
    event.setCommitString(tekst);
    QCoreApplication::sendEvent(felt, &event);
}

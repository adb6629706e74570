#pragma once

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QList>
#include <QRadioButton>
#include <QVBoxLayout>
#include <functional>

// Controls bound to the fields of a settings object: a click stores the value in the field and
// runs the option's effect at once; vis() shows every field's value in its control again.
template <class S>
class IndstillingsBinder {
public:
    explicit IndstillingsBinder(S& s) : s(s) {}

    // A radio group for an index field, named navn.
    QGroupBox* valgGruppe(const char* navn, const QString& titel, const QStringList& valg, int S::*felt,
                          std::function<void()> effekt, QWidget* parent)
    {
        auto* box = new QGroupBox(titel, parent);
        box->setObjectName(QLatin1String(navn));
        auto* layout = new QVBoxLayout(box);
        auto* gruppe = new QButtonGroup(box);
        for (int i = 0; i < valg.size(); ++i) {
            auto* knap = new QRadioButton(valg[i], box);
            knap->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(navn)).arg(i));
            gruppe->addButton(knap, i);
            layout->addWidget(knap);
        }
        QObject::connect(gruppe, &QButtonGroup::idClicked, box, [this, felt, effekt](int id) {
            s.*felt = id;
            if (effekt)
                effekt();
        });
        visere.append([this, gruppe, felt] {
            if (QAbstractButton* knap = gruppe->button(s.*felt))
                knap->setChecked(true);
        });
        return box;
    }

    // A check box for an on/off field, named navn.
    QCheckBox* afkrydsning(const char* navn, const QString& tekst, bool S::*felt, std::function<void()> effekt,
                           QWidget* parent)
    {
        auto* check = new QCheckBox(tekst, parent);
        check->setObjectName(QLatin1String(navn));
        QObject::connect(check, &QCheckBox::clicked, check, [this, felt, effekt](bool on) {
            s.*felt = on;
            if (effekt)
                effekt();
        });
        visere.append([this, check, felt] { check->setChecked(s.*felt); });
        return check;
    }

    void vis() const
    {
        for (const auto& v : visere)
            v();
    }

private:
    S& s;
    QList<std::function<void()>> visere;
};

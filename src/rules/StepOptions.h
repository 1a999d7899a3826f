#pragma once

#include <QJsonObject>
#include <QWidget>

#include <functional>
#include <vector>

class QFormLayout;

// The options of one kind of rule step as controls: shows a step's settings and says when
// the user changed them. One page per kind, built from a table of its fields.
class StepOptions : public QWidget
{
    Q_OBJECT

public:
    // A new step of the kind, with its usual settings.
    static QJsonObject newStep(const QString& kind);

    explicit StepOptions(const QString& kind, QWidget* parent = nullptr);

    void showSettings(const QJsonObject& settings);
    QJsonObject settings() const;

Q_SIGNALS:
    void edited();

private:
    void addText(const QString& key, const QString& label);
    void addNumber(const QString& key, const QString& label, int minimum, int maximum,
                   const QString& zeroText = {});
    void addFlag(const QString& key, const QString& label);
    void addChoice(const QString& key, const QString& label,
                   const QList<std::pair<QString, QString>>& choices);
    void addBrackets(const QString& key, const QString& label);
    void addNote(const QString& text);

    QString m_kind;
    QFormLayout* m_form = nullptr;
    // Per field: put a setting into its control, and read it back.
    std::vector<std::function<void(const QJsonObject&)>> m_showers;
    std::vector<std::function<void(QJsonObject&)>> m_readers;
};

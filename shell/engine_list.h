// The chess engines of other makers this user may play against: those
// Debian installs that are there, then the programs the user added by path
// (Options > Engines..., kept per user). Each is known by its file until it
// is asked, then by the name and author it gives in its handshake. Asking
// runs the program only as long as the handshake takes.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "game/engine/uci_engine.h"

namespace orbel {

class EngineList : public QObject {
    Q_OBJECT
public:
    // The most programs a user may add.
    static constexpr int MaxAdded = 8;

    struct Entry {
        enum class State { Unasked, Asking, Answered, Failed };
        UciEngine::Program program;
        bool added = false;
        State state = State::Unasked;
        QString name, author;  // as the engine gave them
        QString failure;       // why it did not answer
        std::unique_ptr<UciEngine> asking;
        // Its name, or until it has answered a name made from its file's.
        QString shownName() const;
    };

    explicit EngineList(QObject* parent = nullptr);
    ~EngineList() override;

    // The engines found, then the paths the user added (the setting).
    void setPrograms(std::vector<UciEngine::Program> installed, const QStringList& added);
    const std::vector<Entry>& entries() const { return entries_; }
    QStringList addedPaths() const;

    // Asks each engine not yet asked for its name: changed() as each answers.
    void identify();
    // A program added by path: an empty text, or why it was not added.
    QString add(const QString& path);
    // An added program taken off the list (one found installed stays).
    void remove(std::size_t index);

signals:
    void changed();

private:
    Entry* entryAsking(const UciEngine* engine);
    void finishAsking(Entry& entry);

    std::vector<Entry> entries_;
};

// The stored setting: the added paths, one a line, at most MaxAdded of them.
QStringList readEnginePaths(const QString& text);
QString engineSettingText(const QStringList& paths);

}  // namespace orbel

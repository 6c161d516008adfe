#include "shell/engine_list.h"

#include <QFileInfo>

namespace orbel {
namespace {

// A path longer than any a file system takes is not a path.
constexpr qsizetype LongestPath = 4096;

EngineList::Entry entryOf(UciEngine::Program program, bool added) {
    EngineList::Entry entry;
    entry.program = std::move(program);
    entry.added = added;
    return entry;
}

}  // namespace

QString EngineList::Entry::shownName() const {
    if (!name.isEmpty()) return name;
    const QString file = QFileInfo(program.path).fileName();
    // untranslated: Debian's two, as their makers write them.
    if (file == QLatin1String("stockfish")) return QStringLiteral("Stockfish");
    if (file == QLatin1String("gnuchess")) return QStringLiteral("GNU Chess");
    return file;
}

EngineList::EngineList(QObject* parent) : QObject(parent) {}

EngineList::~EngineList() = default;

void EngineList::setPrograms(std::vector<UciEngine::Program> installed, const QStringList& added) {
    entries_.clear();
    for (UciEngine::Program& program : installed) entries_.push_back(entryOf(std::move(program), false));
    for (const QString& path : added) entries_.push_back(entryOf(UciEngine::Program{path, {}}, true));
    emit changed();
}

QStringList EngineList::addedPaths() const {
    QStringList paths;
    for (const Entry& entry : entries_)
        if (entry.added) paths << entry.program.path;
    return paths;
}

void EngineList::identify() {
    for (Entry& entry : entries_) {
        if (entry.state != Entry::State::Unasked) continue;
        entry.state = Entry::State::Asking;
        entry.asking = std::make_unique<UciEngine>(entry.program);
        UciEngine* engine = entry.asking.get();
        connect(engine, &UciEngine::ready, this, [this, engine] {
            if (Entry* e = entryAsking(engine)) {
                e->state = Entry::State::Answered;
                e->name = engine->name();
                e->author = engine->author();
                finishAsking(*e);
            }
        });
        connect(engine, &UciEngine::failed, this, [this, engine](const QString& why) {
            if (Entry* e = entryAsking(engine)) {
                e->state = Entry::State::Failed;
                e->failure = why;
                finishAsking(*e);
            }
        });
        engine->start();
    }
    emit changed();
}

EngineList::Entry* EngineList::entryAsking(const UciEngine* engine) {
    for (Entry& entry : entries_)
        if (entry.asking.get() == engine) return &entry;
    return nullptr;
}

void EngineList::finishAsking(Entry& entry) {
    // From inside the engine's own signal: it goes once that returns.
    UciEngine* engine = entry.asking.release();
    engine->quit();
    engine->deleteLater();
    emit changed();
}

QString EngineList::add(const QString& path) {
    const QFileInfo file(path);
    if (path.isEmpty() || path.size() > LongestPath || !file.isFile() || !file.isExecutable())
        return tr("This is not a program that can be run:\n%1").arg(path);
    for (const Entry& entry : entries_)
        if (QFileInfo(entry.program.path).canonicalFilePath() == file.canonicalFilePath())
            return tr("This engine is already on the list:\n%1").arg(path);
    if (addedPaths().size() >= MaxAdded)
        return tr("At most %1 engines can be added. Remove one first.").arg(MaxAdded);
    entries_.push_back(entryOf(UciEngine::Program{file.absoluteFilePath(), {}}, true));
    emit changed();
    return {};
}

void EngineList::remove(std::size_t index) {
    if (index >= entries_.size() || !entries_[index].added) return;
    if (UciEngine* engine = entries_[index].asking.release()) engine->deleteLater();
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
    emit changed();
}

QStringList readEnginePaths(const QString& text) {
    QStringList paths;
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.size() > LongestPath || paths.contains(line)) continue;
        paths << line;
        if (paths.size() == EngineList::MaxAdded) break;
    }
    return paths;
}

QString engineSettingText(const QStringList& paths) { return paths.join(QLatin1Char('\n')); }

}  // namespace orbel

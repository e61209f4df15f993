// SPDX-FileCopyrightText: The Tallivant developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/live_share.h"

#include <QDateTime>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>

#include "formats/live_page.h"
#include "formats/paths.h"
#include "session/live_words.h"
#include "session/reasons.h"
#include "session/translated.h"
#include "system/door.h"

namespace tallivant {

namespace {

using Clock = std::chrono::steady_clock;

// How often the window looks at the writer: the strip is at most this late.
constexpr int kLookMs = 250;
// How long the writer lets a change settle before it writes.
constexpr std::chrono::milliseconds kSettle{100};

std::string inFolder(const std::string& folder, const char* name) {
    return utf8Of(pathOf(folder) / pathOf(name));
}

PageNames namesOf(const Sharing& sharing) {
    return sharing.numbersOnly ? PageNames::NumbersOnly : PageNames::AsOnButtons;
}

} // namespace

std::string updatedNow() {
    const QDateTime now = QDateTime::currentDateTime();
    const int offset = now.offsetFromUtc() / 60;
    char zone[16];
    std::snprintf(zone, sizeof zone, "%c%02d:%02d", offset < 0 ? '-' : '+', std::abs(offset) / 60,
                  std::abs(offset) % 60);
    return now.toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")).toStdString() + zone;
}

std::string liveJson(const GameSnapshot& game, PageNames names) {
    return gameJson(game, names, updatedNow());
}

// What the window and the writer share; the writer may outlive the window's LiveShare when a
// write hangs on a dead network folder as the program ends.
struct LiveShare::Shared {
    struct Job {
        GameSnapshot game;
        Sharing sharing;
    };
    std::mutex mutex;
    std::condition_variable wake, written;
    std::optional<Job> job;
    bool stopping = false;
    bool busy = false;
    Clock::time_point busySince;
    std::string busyFolder;
    // The last write's failure, and the folder it was for.
    std::optional<std::string> failure;
    std::string failedFolder;
    // The writer's own: the plays' JSON of the last write.
    PlaysJson plays;
};

LiveShare::LiveShare(QObject* parent) : QObject(parent), shared_(std::make_shared<Shared>()) {
    writer_ = std::thread([s = shared_] {
        std::unique_lock lock(s->mutex);
        for (;;) {
            s->wake.wait(lock, [&] { return s->stopping || s->job; });
            // The window first finishes showing the change, and the changes of a burst (a
            // correction of many plays) are written once.
            s->wake.wait_for(lock, kSettle, [&] { return s->stopping; });
            if (s->stopping) return;
            Shared::Job job = std::move(*s->job);
            s->job.reset();
            s->busy = true;
            s->busySince = Clock::now();
            s->busyFolder = job.sharing.folder;
            lock.unlock();
            const std::string json =
                gameJson(job.game, namesOf(job.sharing), updatedNow(), &s->plays);
            std::optional<std::string> failure =
                publishFile(inFolder(job.sharing.folder, kLiveJson), json);
            if (!failure)
                failure = publishFile(inFolder(job.sharing.folder, kLivePage),
                                      livePage(json, livePageWords()));
            lock.lock();
            s->busy = false;
            s->failure = std::move(failure);
            s->failedFolder = job.sharing.folder;
            s->written.notify_all();
        }
    });
    look_.setInterval(kLookMs);
    connect(&look_, &QTimer::timeout, this, &LiveShare::look);
}

LiveShare::~LiveShare() {
    bool idle = false;
    {
        std::lock_guard lock(shared_->mutex);
        shared_->stopping = true;
        idle = !shared_->busy;
    }
    shared_->wake.notify_all();
    // A write stuck on a folder that does not answer must not keep the program from ending.
    if (idle)
        writer_.join();
    else
        writer_.detach();
}

std::optional<std::string> LiveShare::start(const Sharing& sharing) {
    std::error_code ec;
    if (!std::filesystem::is_directory(pathOf(sharing.folder), ec))
        return utf8(QCoreApplication::translate("Strip", "the folder cannot be found."));
    const std::vector<Output> outputs{{inFolder(sharing.folder, kLiveJson), {}},
                                      {inFolder(sharing.folder, kLivePage), {}}};
    if (const std::optional<Refusal> refusal = checkOutputs(outputs, {}))
        //: %1 is a file's name, %2 why it cannot be written
        return filled(QCoreApplication::translate("Strip", "%1: %2"),
                      utf8Of(pathOf(refusal->path).filename()), translatedReason(refusal->reason));
    sharing_ = sharing;
    {
        std::lock_guard lock(shared_->mutex);
        shared_->failure.reset();
    }
    news_.reset();
    look_.start();
    look();
    return std::nullopt;
}

void LiveShare::stop() {
    if (!on()) return;
    // A change handed over before is still written, to the folder it was for: the page ends
    // with the game as it was when sharing stopped.
    sharing_ = {};
    look_.stop();
    news_.reset();
    look();
}

void LiveShare::update(GameSnapshot game) {
    if (!on()) return;
    {
        std::lock_guard lock(shared_->mutex);
        shared_->job = Shared::Job{std::move(game), sharing_};
    }
    shared_->wake.notify_one();
}

std::string LiveShare::state() const {
    if (!on()) return {};
    std::lock_guard lock(shared_->mutex);
    const auto stalled = Clock::now() - shared_->busySince;
    if (shared_->busy && stalled >= kBehind)
        //: %1 is the folder, %2 a number of seconds
        return filled(
            QCoreApplication::translate("Strip",
                                        "Live page behind: %1 has not taken a file for %2 s"),
            shared_->busyFolder,
            std::to_string(std::chrono::duration_cast<std::chrono::seconds>(stalled).count()));
    if (shared_->failure && shared_->failedFolder == sharing_.folder)
        //: %1 is why (the system's words)
        return filled(QCoreApplication::translate("Strip", "Live page failing: %1"),
                      translatedReason(*shared_->failure));
    //: %1 is the folder
    return filled(QCoreApplication::translate("Strip", "Sharing live to %1"), sharing_.folder);
}

std::optional<std::string> LiveShare::takeNews() {
    return std::exchange(news_, std::nullopt);
}

bool LiveShare::waitWritten(std::chrono::milliseconds limit) {
    std::unique_lock lock(shared_->mutex);
    return shared_->written.wait_for(lock, limit, [&] { return !shared_->job && !shared_->busy; });
}

// A failure is news once, when it begins or its reason changes; the state follows the writer.
void LiveShare::look() {
    std::optional<std::string> failure;
    {
        std::lock_guard lock(shared_->mutex);
        if (on() && shared_->failedFolder == sharing_.folder) failure = shared_->failure;
    }
    bool changed = false;
    if (failure != said_) {
        said_ = failure;
        if (failure) {
            //: %1 is why (the system's words)
            news_ = filled(QCoreApplication::translate("Strip", "Live page not written: %1"),
                           translatedReason(*failure));
            changed = true;
        }
    }
    const std::string now = state();
    if (now != shownState_) {
        shownState_ = now;
        changed = true;
    }
    if (changed) emit stateChanged();
}

} // namespace tallivant

#include "ui/io/QtSound.h"

#include "ui/Wav.h"

#include <QCoreApplication>
#include <QPointer>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace tavrio {
namespace {

class cQtSound final : public SoundSeam {
public:
    void playWav(const QString& path, std::function<void()> finished) override
    {
        const quint64 id = ++generation_;
        done_ = std::move(finished);
        if (effect_) {
            effect_->stop();
            effect_->deleteLater();
        }
        const qint64 ms = wavFileDurationMs(path);
        if (ms < 0) {
            // Missing or broken: nothing to play, the queue goes on.
            finishLater(id, 0);
            return;
        }
        // Owned by the application, so it goes before the audio system does.
        auto* e = new QSoundEffect(qApp);
        effect_ = e;
        QObject::connect(e, &QSoundEffect::playingChanged, e, [this, e, id, started = false]() mutable {
            if (e->isPlaying())
                started = true;
            else if (started)
                finishLater(id, 0);
        });
        QObject::connect(e, &QSoundEffect::statusChanged, e, [this, e, id] {
            if (e->status() == QSoundEffect::Error)
                finishLater(id, 0);
        });
        e->setSource(QUrl::fromLocalFile(path));
        e->play();
        // Without an audio device the effect may never start or end; the
        // piece then counts as played after its own length and a little more.
        finishLater(id, ms + 1000);
    }

private:
    void finishLater(quint64 id, qint64 ms)
    {
        QTimer::singleShot(int(qMin<qint64>(ms, 60000)), qApp, [this, id] {
            if (id != generation_ || !done_)
                return;
            auto done = std::move(done_);
            done_ = nullptr;
            done();
        });
    }

    QPointer<QSoundEffect> effect_;
    std::function<void()> done_;
    quint64 generation_ = 0;
};

} // namespace

SoundSeam* newQtSound() { return new cQtSound; }

} // namespace tavrio

#include "desktop/replay_watch.h"

#include <QApplication>
#include <QKeyEvent>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <optional>
#include <system_error>

#include "core/quote.h"
#include "desktop/qt_input.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kTitle = "Brassmoor replay";

std::string shown(const fs::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace

// A folder opens as a file that reads as empty here: it is named as a folder first.
Replay readReplayFile(const fs::path& path) {
  const std::string name = shown(path);
  const std::string cannot = "cannot read the replay " + quote(name) + ": ";
  std::error_code unknown;
  if (fs::is_directory(path, unknown)) throw ReplayError(cannot + std::strerror(EISDIR));
  std::ifstream in(path, std::ios::binary);
  if (!in) throw ReplayError(cannot + std::strerror(errno));
  return readReplay(in, name);
}

ReplayWatch::ReplayWatch(Replay replay, std::ostream& told, Ended ended)
    : player_(std::move(replay)),
      told_(told),
      ended_(std::move(ended)),
      frm_(endProcessAtOnce, RandomSource(player_.replay().seed, player_.clock())),
      playback_(
          player_, frm_.seam(), [this] { frm_.tmr_Timer(); }, [this](const std::string& s) { stopped(s); },
          [this] { ended_(stopStatus_); }) {
  frm_.game().enemyCount = player_.replay().enemies;
  frm_.tickBy([this] {
    playback_.period();
    showStatus();
  });
  showStatus();
  qApp->installEventFilter(this);
}

// Before the battlefield goes: its last events are no longer the playback's.
ReplayWatch::~ReplayWatch() { qApp->removeEventFilter(this); }

bool ReplayWatch::ours(QObject* watched) const {
  const auto* widget = qobject_cast<const QWidget*>(watched);
  if (widget == nullptr) return false;
  const QWidget* window = widget->window();
  return window == &frm_ || window->parentWidget() == &frm_;
}

bool ReplayWatch::eventFilter(QObject* watched, QEvent* event) {
  if (!ours(watched)) return false;
  if (event->type() == QEvent::Close) {
    // A dialog stays as the replay has it; the battlefield's closing ends the watch.
    event->ignore();
    if (watched == &frm_) ended_(stopStatus_);
    return true;
  }
  if (event->type() == QEvent::KeyPress) pressed(static_cast<const QKeyEvent&>(*event));
  // The battlefield losing the focus would let its arrows up: the replay
  // holds those key-ups already, where the recorded game had them.
  return event->isInputEvent() || (watched == &frm_ && event->type() == QEvent::FocusOut);
}

void ReplayWatch::pressed(const QKeyEvent& key) {
  const std::optional<Integer> code = qt_input::playbackKeyCode(key);
  const std::optional<PlaybackControl> control = code ? playbackControlFor(*code) : std::nullopt;
  // A held key steps on, tick by tick; it pauses or ends only once.
  if (!control || (key.isAutoRepeat() && *control != PlaybackControl::Step)) return;
  playback_.control(*control);
  frm_.repaintDamage();
  showStatus();
}

void ReplayWatch::stopped(const std::string& sentence) {
  stopStatus_ = !player_.over() ? 1 : player_.replay().ended ? 0 : 2;
  told_ << sentence << std::endl;
  sentence_ = std::make_unique<QMessageBox>(stopStatus_ == 0 ? QMessageBox::Information : QMessageBox::Warning,
                                            kTitle, QString::fromStdString(sentence), QMessageBox::Ok);
  sentence_->setObjectName("sentence");
  connect(sentence_.get(), &QDialog::finished, this, [this] { ended_(stopStatus_); });
  sentence_->show();
}

// What the title tells is on the screen first: a screenshot taken once the
// title shows a tick shows that very tick.
void ReplayWatch::showStatus() {
  QCoreApplication::sendPostedEvents(&frm_, QEvent::UpdateRequest);
  frm_.setWindowTitle(QString::fromStdString(std::string(kTitle) + ": " + playback_.status()));
}

// The played game, its work folder and the record of its inputs.
#include "autoplay/session.h"

#include <cstdlib>
#include <random>
#include <system_error>

#include "autoplay/text.h"
#include "game/game.h"
#include "game/manual_time.h"
#include "platform/clock.h"
#include "platform/seq_file.h"
#include "platform/sound_channel.h"
#include "shell/input.h"
#include "shell/start_up.h"
#include "world/room_file.h"

namespace tq::autoplay {
namespace fs = std::filesystem;
namespace {

// The rooms a game folder ships with: the templates, the shops and the dungeon, Far North and
// hideout templates. Whatever else lies in Files/ (a world, a saved game) belongs to someone's
// game and is left out, so that every run starts from the same ground.
bool ShippedRoom(int n) {
  return (n >= 200 && n <= 228) || (n >= 401 && n <= 404) || (n >= 409 && n <= 499) ||
         (n >= 600 && n <= 644);
}

Control* FindControl(Control& c, const std::string& name, int index) {
  if (c.name == name && c.index == index) return &c;
  for (Control* child : c.Children) {
    if (Control* found = FindControl(*child, name, index)) return found;
  }
  return nullptr;
}

void Describe(const RecordingChannel& channel, char name, std::string& out) {
  for (const RecordingChannel::Call& call : channel.calls()) {
    out += name;
    switch (call.op) {
      case RecordingChannel::Call::Op::Play:
        out += Cat(" play ", call.path, ";");
        break;
      case RecordingChannel::Call::Op::SetPlayCount:
        out += Cat(" count ", call.count, ";");
        break;
      case RecordingChannel::Call::Op::Stop:
        out += " stop;";
        break;
    }
  }
}

// Where the work folder goes: TMPDIR when set, else memory where the machine offers it. The game
// flushes every file it writes to the disk, which would cost a played game more than its rules.
fs::path WorkRoot() {
  std::error_code ec;
  if (const char* tmp = std::getenv("TMPDIR"); tmp && *tmp) return tmp;
  if (fs::is_directory("/dev/shm", ec)) return "/dev/shm";
  return fs::temp_directory_path(ec);
}

}  // namespace

double DayStartForSeed(std::int64_t seed) {
  return static_cast<double>(((seed % 86400) + 86400) % 86400);
}

Session::Session(fs::path work, std::int64_t seed)
    : work_(std::move(work)), files_(work_ / "Files"), seed_(seed) {
  clock_ = std::make_unique<ManualClock>(DayStartForSeed(seed));
  mm1_ = std::make_unique<RecordingChannel>(1);
  mm2_ = std::make_unique<RecordingChannel>(1);
  mm3_ = std::make_unique<RecordingChannel>(100);
  game_ = std::make_unique<Game>(
      GameServices{work_.string(), clock_.get(), mm1_.get(), mm2_.get(), mm3_.get()});
  Form_Load(*game_);
}

Session::~Session() {
  game_.reset();
  std::error_code ec;
  fs::remove_all(work_, ec);
}

std::unique_ptr<Session> Session::Open(const fs::path& gameFolder, std::int64_t seed,
                                       std::string& error) {
  const fs::path shipped = gameFolder / "Files";
  std::error_code ec;
  if (!fs::is_directory(shipped, ec)) {
    error = shipped.string() + " is not a folder: give the game folder that holds Files/.";
    return nullptr;
  }
  std::random_device rd;
  const fs::path root = WorkRoot();
  const fs::path work = root / Cat("tarvoquest-autoplay-", rd(), "-", rd());
  if (!fs::create_directories(work / "Files", ec)) {
    error = "cannot make a work folder under " + root.string();
    return nullptr;
  }
  int copied = 0;
  for (const fs::directory_entry& e : fs::directory_iterator(shipped, ec)) {
    const std::string name = e.path().filename().string();
    if (name.rfind("ROOM", 0) != 0 || name.size() < 5) continue;
    if (name.find_first_not_of("0123456789", 4) != std::string::npos) continue;
    if (name.size() > 8 || !ShippedRoom(std::stoi(name.substr(4)))) continue;
    fs::copy_file(e.path(), work / "Files" / name, ec);
    if (ec) {
      error = "cannot copy " + e.path().string() + ": " + ec.message();
      fs::remove_all(work, ec);
      return nullptr;
    }
    ++copied;
  }
  if (copied == 0) {
    error = shipped.string() + " holds none of the shipped rooms (ROOM200 ... ROOM644).";
    fs::remove_all(work, ec);
    return nullptr;
  }
  return std::unique_ptr<Session>(new Session(work, seed));
}

std::int64_t Session::nowMs() const {
  return clock_->nowMs();
}

void Session::WaitUntil(std::int64_t ms) {
  RunUntil(*game_, *clock_, ms);
}

void Session::Press(int key) {
  KeyDown(*game_, key);
  Record(KeyInput(key));
}

bool Session::Click(const std::string& control, int index) {
  Control* c = FindControl(game_->frmTQ, control, index);
  const bool handled = c && tq::Click(*game_, *c);
  Record(ClickInput(control, index));
  return handled;
}

bool Session::Give(const Input& in) {
  switch (in.kind) {
    case Input::Kind::Key:
      Press(in.key);
      return true;
    case Input::Kind::Click:
      return Click(in.control, in.index);
    case Input::Kind::End:
      End();
      return true;
  }
  return false;
}

void Session::End() {
  Record(EndInput());
}

std::string Session::SoundsSinceLastDigest() {
  std::string sounds;
  Describe(*mm1_, '1', sounds);
  Describe(*mm2_, '2', sounds);
  Describe(*mm3_, '3', sounds);
  mm1_->clear();
  mm2_->clear();
  mm3_->clear();
  // The game's folder differs from run to run; the digest knows the sounds by their own names.
  const std::string folder = game_->GamePath;
  for (std::size_t at = sounds.find(folder); !folder.empty() && at != std::string::npos;
       at = sounds.find(folder, at)) {
    sounds.erase(at, folder.size());
  }
  return sounds;
}

StateDigest Session::Digest() {
  std::string roomFile;
  // A room that is not there (before the first game) reads as no bytes.
  if (ReadWholeFile(RoomFilePath(game_->GamePath, game_->RoomNumber), roomFile)) roomFile.clear();
  return TakeDigest(*game_, roomFile, SoundsSinceLastDigest());
}

void Session::Record(const Input& in) {
  records_.push_back({clock_->nowMs(), in, Digest()});
}

}  // namespace tq::autoplay

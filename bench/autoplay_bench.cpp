// What the automated player costs: a search over all a new world's hero can reach, with the step
// oracle working every step out afresh and with what it worked out before, and games from NEW to
// the torch and to the end picture as tq_autoplay plays them.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <sstream>

#include "autoplay/caution.h"
#include "autoplay/player.h"
#include "autoplay/route_planner.h"
#include "autoplay/session.h"
#include "autoplay/step_oracle.h"
#include "autoplay/world_model.h"
#include "game/game.h"

namespace {

using namespace tq::autoplay;

const std::filesystem::path kShipped = std::filesystem::path(TQ_SOURCE_DIR) / "data";

// A session on the shipped rooms with seed 7, the title screen up; none when it cannot open.
std::unique_ptr<Session> OpenSession(benchmark::State& state) {
  std::string error;
  auto session = Session::Open(kShipped, 7, error);
  if (!session) state.SkipWithError(error.c_str());
  return session;
}

// A new world from the shipped rooms, the hero at home.
std::unique_ptr<Session> NewWorld(benchmark::State& state) {
  auto session = OpenSession(state);
  if (!session) return nullptr;
  session->WaitUntil(1000);
  session->Click("mnuNEW");
  session->WaitUntil(3000);
  return session;
}

// Everything the hero can reach from home: no goal, so the search settles every place.
std::size_t Survey(const Session& s, WorldModel& world, StepOracle& oracle) {
  RoutePlanner planner(world, oracle);
  const Caution caution = Caution::Of(s.game());
  RouteRules rules;
  rules.stepCost = [&](const Place& at, const std::string& tag) {
    return StepCost(caution, at, tag);
  };
  planner.Find(PlaceOf(s.game()), GearOf(s.game()), rules);
  return planner.lastSearched();
}

void BM_SurveyWorkingEveryStepOut(benchmark::State& state) {
  auto session = NewWorld(state);
  if (!session) return;
  WorldModel world(session->filesFolder());
  std::size_t places = 0;
  for (auto _ : state) {
    StepOracle oracle(world);
    places = Survey(*session, world, oracle);
  }
  state.counters["places"] = static_cast<double>(places);
}
BENCHMARK(BM_SurveyWorkingEveryStepOut)->Unit(benchmark::kMillisecond);

void BM_SurveyWithStepsKnown(benchmark::State& state) {
  auto session = NewWorld(state);
  if (!session) return;
  WorldModel world(session->filesFolder());
  StepOracle oracle(world);
  std::size_t places = Survey(*session, world, oracle);
  for (auto _ : state) places = Survey(*session, world, oracle);
  state.counters["places"] = static_cast<double>(places);
}
BENCHMARK(BM_SurveyWithStepsKnown)->Unit(benchmark::kMillisecond);

void BM_PlayFromNewToTheTorch(benchmark::State& state) {
  int steps = 0;
  for (auto _ : state) {
    auto session = OpenSession(state);
    if (!session) return;
    std::ostringstream out;
    PlayerOptions options;
    options.until = "torch";
    Player player(*session, options, out, nullptr);
    if (!player.Play().success) state.SkipWithError("the torch was not bought");
    steps = player.steps();
  }
  state.counters["steps"] = steps;
}
BENCHMARK(BM_PlayFromNewToTheTorch)->Unit(benchmark::kMillisecond);

void BM_PlayFromNewToTheEnd(benchmark::State& state) {
  int steps = 0;
  std::int64_t gameMs = 0;
  for (auto _ : state) {
    auto session = OpenSession(state);
    if (!session) return;
    std::ostringstream out;
    Player player(*session, PlayerOptions{}, out, nullptr);
    if (!player.Play().success) state.SkipWithError("the game was not won");
    steps = player.steps();
    gameMs = session->nowMs();
  }
  state.counters["steps"] = steps;
  state.counters["game_minutes"] = static_cast<double>(gameMs) / 60000.0;
}
BENCHMARK(BM_PlayFromNewToTheEnd)->Unit(benchmark::kSecond);

}  // namespace

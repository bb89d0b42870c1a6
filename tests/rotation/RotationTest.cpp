#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <numeric>
#include <set>

#include "rotation/Deck.h"
#include "rotation/Exclusions.h"
#include "rotation/FolderIndex.h"
#include "rotation/History.h"
#include "rotation/Library.h"
#include "rotation/PictureFit.h"
#include "rotation/RotationChoice.h"
#include "rotation/RotationRandom.h"
#include "rotation/RotationState.h"

namespace rotation {
namespace {

// One run: the stored counters in, the picture used and the counters written out.
struct RunResult {
  int picture;
  int nextFile;
  int nextFolder;
  bool operator==(const RunResult&) const = default;
};

RunResult InOrder(int file, int folder, int folderCount, int pictureCount) {
  const RotationChoice choice = ChooseRotationPicture(file, RotationFolder(folder, folderCount), pictureCount);
  return {choice.picture, choice.picture + 1, choice.folder};
}

TEST(RotationChoiceTest, ThreePicturesInOrderUseTheFirstTwoThenTheFirstAgainAndMoveOn) {
  RunResult run{0, 0, 0};
  // The last: one past the only folder wraps to it, starting at its picture 1.
  for (const RunResult& expected : {RunResult{0, 1, 0}, {1, 2, 0}, {0, 1, 1}, {1, 2, 0}}) {
    run = InOrder(run.nextFile, run.nextFolder, 1, 3);
    EXPECT_TRUE(run == expected) << run.picture << " " << run.nextFile << " " << run.nextFolder;
  }
}

TEST(RotationChoiceTest, FolderPastTheListOrNegativeUsesTheFirst) {
  EXPECT_EQ(RotationFolder(7, 3), 0);
  EXPECT_EQ(RotationFolder(3, 3), 0);
  EXPECT_EQ(RotationFolder(2, 3), 2);
  EXPECT_EQ(RotationFolder(-1, 3), 0);
  EXPECT_EQ(RotationFolder(0, 0), 0);
  // Of the folders that fit the phase, the next from the stored one, going round.
  const auto odd = [](int folder) { return folder % 2 == 1; };
  EXPECT_EQ(std::tuple(RotationFolder(1, 4, odd), RotationFolder(2, 4, odd), RotationFolder(7, 4, odd)),
            std::tuple(1, 3, 1));
}

TEST(RotationChoiceTest, IndexIsComparedWithTheLastPictureNotTheCount) {
  // A random draw of m - 1 uses picture 0 and moves the folder on.
  EXPECT_EQ(ChooseRotationPicture(4, 2, 5).picture, 0);
  EXPECT_EQ(ChooseRotationPicture(4, 2, 5).folder, 3);
  EXPECT_EQ(ChooseRotationPicture(3, 2, 5).picture, 3);
  EXPECT_EQ(ChooseRotationPicture(3, 2, 5).folder, 2);
  // A stored index far past the folder's pictures, as after pictures were removed.
  EXPECT_EQ(ChooseRotationPicture(1000, 0, 5).picture, 0);
  EXPECT_EQ(ChooseRotationPicture(1000, 0, 5).folder, 1);
}

TEST(RotationChoiceTest, EmptyFolderMovesOnAndNegativeIndexStartsTheFolder) {
  EXPECT_EQ(ChooseRotationPicture(0, 1, 0).picture, 0);
  EXPECT_EQ(ChooseRotationPicture(0, 1, 0).folder, 2);
  EXPECT_EQ(ChooseRotationPicture(-5, 1, 3).picture, 0);
  EXPECT_EQ(ChooseRotationPicture(-5, 1, 3).folder, 1);
}

// What a monitor takes of seven pictures in turn: landscape 60 %, portrait, of no size, landscape
// 80 %, square 50 %, square 100 % and landscape 90 % of a 1000 x 500 monitor (or of 500 x 1000).
TEST(PictureFitTest, TheFirstLargeEnoughOfTheShapeAskedElseTheLargestThereIs) {
  using pictures::PictureSize;
  const std::vector<std::optional<PictureSize>> sizes = {
      PictureSize{600, 300}, PictureSize{400, 800}, std::nullopt, PictureSize{800, 400}, PictureSize{500, 500},
      PictureSize{1000, 1000}, PictureSize{1200, 900}};
  struct Row {
    int smallestPart;
    bool sameShape, prefersShape, portraitMonitor;
    std::set<std::size_t> unavailable;
    std::optional<std::size_t> taken;
  };
  for (const Row& row : std::initializer_list<Row>{
           {0, false, false, false, {}, 0},
           {60, false, false, false, {}, 0},  // just the share asked
           {75, false, false, false, {}, 2},  // no known size: large enough
           {75, false, false, false, {2}, 3},
           {100, false, false, false, {2}, 5},
           {100, false, false, false, {2, 5, 6}, 3},  // none large enough: the largest
           {0, false, true, true, {}, 1},          // a portrait among the next ones preferred
           {0, true, false, true, {1}, 4},         // a square one is of both shapes
           {100, true, false, true, {5}, 1},       // the largest of its shape
           {0, true, false, false, {0}, 3},        // not a portrait, nor one of no shape
           {0, true, true, true, {1, 4, 5}, 0},    // none of its shape: today's preference
           {0, false, false, false, {0, 1, 2, 3, 4, 5, 6}, std::nullopt}}) {
    const Candidates candidates{.count = sizes.size(),
                                .available = [&](std::size_t i) { return !row.unavailable.contains(i); },
                                .size = [&](std::size_t i) { return sizes[i]; }};
    const FitRules rules{row.portraitMonitor ? 500 : 1000, row.portraitMonitor ? 1000 : 500, row.smallestPart,
                         row.sameShape, row.prefersShape};
    EXPECT_EQ(BestFitting(candidates, rules), row.taken) << row.smallestPart << " " << row.sameShape << " "
                                                         << row.portraitMonitor << " " << row.unavailable.size();
  }
  // In order, going round from the counters' picture, of the pictures the rule gives (0 to 5), not to 6.
  const auto size = [&](int picture) { return sizes[static_cast<std::size_t>(picture)]; };
  const FitRules landscape{.width = 1000, .height = 500, .smallestPart = 0, .sameShape = true, .prefersShape = false};
  EXPECT_EQ(PreferredPicture(3, 7, [](int picture) { return picture >= 3 && picture < 6; }, size, landscape), 0);
}

TEST(RotationRandomTest, SeedIsTheMillisecondOfTheDay) {
  EXPECT_EQ(RotationRandom::SeedFromTimeOfDay(0, 0, 0, 0), 0u);
  EXPECT_EQ(RotationRandom::SeedFromTimeOfDay(0, 0, 1, 5), 1005u);
  EXPECT_EQ(RotationRandom::SeedFromTimeOfDay(23, 59, 59, 999), 86399999u);
}

TEST(RotationRandomTest, DrawsFollowTheGeneratorExactly) {
  // seed <- seed * 134775813 + 1 (mod 2^32); draw = high half of seed * range.
  RotationRandom random(12345);
  for (std::uint32_t expected : {1u, 0u, 0u, 1u, 1u}) EXPECT_EQ(random.Draw(3), expected);
  EXPECT_EQ(random.Draw(100), 34u);
  EXPECT_EQ(random.Draw(0xFFFFFFFFu), 1889648463u);
}

TEST(RotationRandomTest, DrawsStayInRangeAndCoverItEvenly) {
  RotationRandom random(RotationRandom::SeedFromTimeOfDay(7, 30, 12, 345));
  EXPECT_EQ(random.Draw(0), 0u);
  EXPECT_EQ(random.Draw(1), 0u);
  std::array<int, 3> counts = {};
  for (int i = 0; i < 3000; ++i) {
    const std::uint32_t draw = random.Draw(3);
    ASSERT_LT(draw, 3u);
    ++counts[draw];
  }
  for (int count : counts) {
    EXPECT_GT(count, 900);
    EXPECT_LT(count, 1100);
  }
}

// A deck's pictures taken by runs of `monitors` each, every picture suiting every monitor.
std::vector<std::vector<std::uint32_t>> Runs(TDeck& deck, int runs, int monitors, RotationRandom& random) {
  const Draw draw = [&random](std::uint32_t range) { return random.Draw(range); };
  std::vector<std::vector<std::uint32_t>> taken;
  std::vector<std::uint32_t> last;
  for (int run = 0; run < runs; ++run) {
    std::vector<std::uint32_t>& chosen = taken.emplace_back();
    for (int monitor = 0; monitor < monitors; ++monitor) {
      std::vector<std::uint32_t> notFirst = last;
      notFirst.insert(notFirst.end(), chosen.begin(), chosen.end());
      const auto notChosen = [&](std::span<const std::uint32_t> notShown) {
        const auto available = [&](std::size_t i) { return std::ranges::count(chosen, notShown[i]) == 0; };
        return FirstFitting({.count = notShown.size(), .available = available, .size = {}}, {}, false);
      };
      const auto picture = deck.Take(notChosen, notFirst, draw);
      chosen.push_back(picture.value_or(UINT32_MAX));
    }
    last = chosen;
  }
  return taken;
}

// Nine pictures (of folders of one, seven and one): every one once before any repeats, the next
// deck never starting with the last shown; one added is shown before the deck ends, one removed
// never; two or three monitors never share one.
TEST(DeckTest, EveryPictureOnceBeforeAnyRepeatsWhateverIsAddedRemovedOrShownAtOnce) {
  RotationRandom random(4321);
  const Draw draw = [&random](std::uint32_t range) { return random.Draw(range); };
  for (int deal = 0; deal < 50; ++deal) {
    TDeck deck = TDeck::Dealt(9, {}, draw);
    const auto taken = Runs(deck, 10, 1, random);
    std::set<std::uint32_t> first;
    for (int run = 0; run < 9; ++run) first.insert(taken[run][0]);
    ASSERT_EQ(first.size(), 9u) << deal;
    ASSERT_NE(taken[9][0], taken[8][0]) << deal;
  }
  TDeck deck = TDeck::Dealt(9, {}, draw);
  const auto before = Runs(deck, 3, 1, random);
  std::vector<std::uint32_t> placeOf(9);
  for (std::uint32_t place = 0; place < 9; ++place) placeOf[deck.Order()[place]] = place;
  const std::uint32_t removed = deck.Order()[7];
  placeOf[removed] = kNoPlace;  // its number now: the added picture's
  TDeck kept = TDeck::Kept(placeOf, deck.Shown(), draw);
  std::set<std::uint32_t> rest;
  for (const auto& run : Runs(kept, 6, 1, random)) rest.insert(run[0]);
  EXPECT_EQ(rest.size(), 6u);
  EXPECT_TRUE(rest.contains(removed)) << "the added one";
  for (const auto& run : before) EXPECT_FALSE(rest.contains(run[0])) << "shown again before the deck's end";
  EXPECT_EQ(kept.Shown(), 9u);
  // A deck one longer than the monitors ends within a change; a new deck starts with none of the
  // pictures the monitors showed last.
  for (const int monitors : {2, 3}) {
    TDeck shared = TDeck::Dealt(static_cast<std::uint32_t>(monitors + 1), {}, draw);
    for (const auto& run : Runs(shared, 20, monitors, random))
      EXPECT_EQ(std::set(run.begin(), run.end()).size(), run.size()) << monitors << " monitors";
    TDeck longer = TDeck::Dealt(static_cast<std::uint32_t>(3 * monitors), {}, draw);
    const auto runs = Runs(longer, 40, monitors, random);
    for (std::size_t run = 1; run < runs.size(); ++run)
      for (const std::uint32_t picture : runs[run])
        EXPECT_EQ(std::ranges::count(runs[run - 1], picture), 0) << monitors << " monitors, run " << run;
  }
}

// A kept deck counts as shown only the pictures shown that are still there; a monitor looks for
// its shape among the 32 places that come next, wherever the deck stands.
TEST(DeckTest, ARemovedPictureCostsNoPlaceAndTheLookAheadStartsAtTheNextPlace) {
  const Draw inPlace = [](std::uint32_t range) { return range - 1; };  // shuffles nothing
  std::vector<std::uint32_t> placeOf(80);
  std::iota(placeOf.begin(), placeOf.end(), 0u);  // picture n at place n, 40 of them shown
  // A portrait monitor's pick: every picture landscape but `portrait`.
  const auto portraitMonitor = [](std::uint32_t portrait) {
    return [portrait](std::span<const std::uint32_t> notShown) {
      const auto size = [&](std::size_t i) { return pictures::PictureSize{2, notShown[i] == portrait ? 3 : 1}; };
      return BestFitting({.count = notShown.size(), .available = [](std::size_t) { return true; }, .size = size},
                         {.width = 1, .height = 2, .smallestPart = 0, .sameShape = false, .prefersShape = true});
    };
  };
  for (const auto& [suiting, taken] : {std::pair{71u, 71u}, {72u, 40u}})
    EXPECT_EQ(TDeck::Kept(placeOf, 40, inPlace).Take(portraitMonitor(suiting), {}, inPlace), taken)
        << "suiting " << suiting;
  placeOf[1] = kNoPlace;  // shown, then removed: its number is now a picture added since
  TDeck kept = TDeck::Kept(placeOf, 40, inPlace);
  EXPECT_EQ(kept.Shown(), 39u);
  EXPECT_EQ(kept.Take(portraitMonitor(kNoPlace), {}, inPlace), 40u) << "the next not yet shown";
  // A picture a change took from what was kept moves to the first place not yet shown.
  kept.Shows(70);
  kept.Shows(2);  // shown already
  EXPECT_EQ(std::tuple(kept.Shown(), kept.Order()[40], kept.Order()[69]), std::tuple(41u, 70u, 41u));
}

// Over many new decks the first picture is each of them about as often: a folder's size counts
// for nothing.
TEST(DeckTest, ANewDeckStartsWithEachPictureAboutAsOften) {
  RotationRandom random(99);
  const Draw draw = [&random](std::uint32_t range) { return random.Draw(range); };
  std::array<int, 9> first{};
  for (int deal = 0; deal < 9000; ++deal) ++first[TDeck::Dealt(9, {}, draw).Order()[0]];
  for (int count : first) EXPECT_NEAR(count, 1000, 150);
}

// A folder's pictures, then each subfolder's, depth first, as the source lists them; a folder is
// listed again only when its time changed or with another mask, each picture keeping its place by
// its name; one that cannot be read keeps what was kept of it; a folder no longer selected goes.
TEST(LibraryTest, AFolderComesWithItsOwnPicturesThenEachSubfoldersDepthFirstAndKeepsWhatItHad) {
  std::map<std::string, std::pair<std::vector<std::string>, std::vector<std::string>>> tree = {
      {"C:\\P", {{"a.jpg", "b.jpg"}, {"x", "y", "gone"}}},
      {"C:\\P\\x", {{"c.jpg"}, {"deep"}}},
      {"C:\\P\\x\\deep", {{"d.jpg"}, {}}},
      {"C:\\P\\y", {{"e.jpg"}, {}}},
      {"C:\\Q", {{"q.jpg"}, {}}}};
  std::vector<std::string> listed, sized;
  std::uint64_t written = 7;
  std::map<std::string, std::uint64_t> fileWritten;  // 1 unless set
  const FolderSource source{
      [&](const std::string& folder) { return tree.contains(folder) ? std::optional(written) : std::nullopt; },
      [&](const std::string& folder, const std::string& mask) -> std::optional<ListedFolder> {
        if (!tree.contains(folder)) return std::nullopt;
        listed.push_back(folder);
        ListedFolder result{
            .written = written, .mask = mask, .path = folder, .subfolders = {}, .pictures = {}, .places = {}};
        for (const std::string& name : tree[folder].first) result.pictures.Add(name);
        for (const std::string& name : tree[folder].second) result.subfolders.Add(name);
        result.places.assign(result.pictures.Size(), kNoPlace);
        for (const std::string& name : tree[folder].first)
          result.sizes.push_back({.written = std::max<std::uint64_t>(fileWritten[name], 1), .width = 0, .height = 0});
        return result;
      },
      {},
      [&](const std::string& picture) {
        sized.push_back(picture);
        return ListedSize{.written = 0, .width = 64, .height = 48};
      }};
  const auto paths = [](TLibrary& library, const std::vector<std::uint32_t>& folders) {
    std::vector<std::string> found;
    for (const std::uint32_t folder : folders)
      for (std::uint32_t picture = 0; picture < library.Listing(folder).pictures.Size(); ++picture)
        found.push_back(library.PathOf(folder, picture) + (library.Away(folder) ? " away" : ""));
    return found;
  };
  const auto any = [](const std::string&) { return true; };
  TLibrary library({}, source);
  EXPECT_EQ(paths(library, library.Folders("C:\\P", "*.jpg", true)),
            (std::vector<std::string>{"C:\\P\\a.jpg", "C:\\P\\b.jpg", "C:\\P\\x\\c.jpg", "C:\\P\\x\\deep\\d.jpg",
                                      "C:\\P\\y\\e.jpg"}));
  library.Folders("C:\\Q", "*.jpg", false);
  EXPECT_EQ(library.Folders("c:/p/Y", "*.jpg", true), library.Folders("C:\\P\\y", "*.jpg", false)) << "one folder";
  EXPECT_EQ(std::tuple(listed.size(), sized.size()), std::tuple(5u, 6u)) << "each folder listed, each size read, once";
  for (std::uint32_t picture = 0; picture < 2; ++picture) library.PlaceOf(0, picture) = 10 + picture;

  TLibrary again(library.ListingsToKeep(any), source);
  listed.clear();
  sized.clear();
  EXPECT_EQ(paths(again, again.Folders("C:\\P", "*.jpg", false)).size(), 2u) << "without subfolders";
  EXPECT_TRUE(listed.empty()) << "listed again though unchanged";
  EXPECT_FALSE(again.Changed());

  written = 8;  // a.jpg removed, z.jpg added: b.jpg keeps its place
  tree["C:\\P"].first = {"b.jpg", "z.jpg"};
  TLibrary changed(again.ListingsToKeep(any), source);
  const std::vector<std::uint32_t> root = changed.Folders("C:\\P", "*.jpg;*.png;", false);
  EXPECT_EQ(listed, std::vector<std::string>{"C:\\P"})
      << "a folder written since, or with another mask, is listed again";
  EXPECT_EQ(std::tuple(changed.PlaceOf(root[0], 0), changed.PlaceOf(root[0], 1)), std::tuple(11u, kNoPlace));
  EXPECT_EQ(sized, std::vector<std::string>{"C:\\P\\z.jpg"}) << "only the new picture's size read";
  written = 9;  // b.jpg written since: its size read again
  fileWritten["b.jpg"] = 2;
  sized.clear();
  TLibrary rewritten(changed.ListingsToKeep(any), source);
  rewritten.Folders("C:\\P", "*.jpg;*.png;", false);
  EXPECT_EQ(sized, std::vector<std::string>{"C:\\P\\b.jpg"});
  std::vector<ListedFolder> firstVersion = rewritten.ListingsToKeep(any);
  for (ListedFolder& folder : firstVersion) folder.sizes.assign(folder.sizes.size(), {});
  listed.clear();
  TLibrary unsized(std::move(firstVersion), source);
  unsized.Folders("C:\\P", "*.jpg;*.png;", false);
  EXPECT_EQ(listed, std::vector<std::string>{"C:\\P"}) << "sizes never read: listed again for them";

  tree.erase("C:\\P");  // a share gone offline: its pictures keep their places, and come back
  TLibrary away(unsized.ListingsToKeep(any), source);
  EXPECT_EQ(paths(away, away.Folders("C:\\P", "*.jpg;*.png;", false)),
            (std::vector<std::string>{"C:\\P\\b.jpg away", "C:\\P\\z.jpg away"}));
  std::vector<ListedFolder> kept = away.ListingsToKeep([](const std::string& folder) { return folder != "C:\\Q"; });
  EXPECT_TRUE(away.Changed()) << "C:\\Q is no longer selected";
  ASSERT_EQ(kept.size(), 4u) << "C:\\P, x, deep and y";
  EXPECT_EQ(std::tuple(kept[0].path, kept[0].places[0]), std::tuple(std::string("C:\\P"), 11u));
}

// The state file reads back as it was written, with names of any length and letters; a file cut
// short, short of a line in its middle, changed or of another kind is no state.
TEST(RotationStateTest, ReadsBackWhatWasWrittenAndNothingDamaged) {
  RotationState state{.progress = {.generation = 0x5F3A9C0E12D4B877, .shown = 2,
                                   .lastShown = {"C:\\Bilder\\\xC5\xA1kola\\b.jpg", "C:\\Bilder\\c.jpg"}},
                      .folders = {}};
  ListedFolder& folder = state.folders.emplace_back();
  folder = {.written = 0x01DB5A8C3F1E2D00, .mask = "*.jpg;*.png;", .path = "C:\\Bilder", .subfolders = {},
            .pictures = {}, .places = {1, kNoPlace, 0}, .sizes = {{0x01DA9E1F5B2C3D00, 1920, 1080}, {}, {7, 0, 0}}};
  folder.subfolders.Add("\xC5\xA1kola");
  for (const std::string& name : {std::string("a b.jpg"), std::string(300, 'x') + ".jpg", std::string("c.jpg")})
    folder.pictures.Add(name);
  const std::string text = RotationStateText(state);
  EXPECT_EQ(ParseRotationState(text), state);
  RotationState withLineEnd = state;
  withLineEnd.folders[0].pictures.Add("no\nname.jpg");
  EXPECT_EQ(ParseRotationState(RotationStateText(withLineEnd)), state) << "a name no file can have is left out";
  const std::size_t sub = text.find("sub "), folderLine = text.find("folder ");
  const std::string lineLost = text.substr(0, sub) + text.substr(text.find('\n', sub) + 1);
  const std::string pictureFirst = text.substr(0, folderLine) + "pic 1 x\n" + text.substr(folderLine);
  for (const std::string& damaged : {text.substr(0, text.size() - 3), text.substr(0, text.rfind("end")),
                                     "Vantoria rotation 3" + text.substr(text.find('\n')), text + "pic 1 x\n",
                                     std::string("junk\n"), std::string(), lineLost, pictureFirst}) {
    EXPECT_FALSE(ParseRotationState(damaged).has_value()) << damaged;
  }
  std::string swapped = text;
  swapped.replace(swapped.find("pic 1 "), 6, "pic x ");
  EXPECT_FALSE(ParseRotationState(swapped).has_value());
  EXPECT_EQ(StateGeneration(text.substr(0, 64)), state.progress.generation) << "from the state's first bytes";
  const std::string firstVersion =
      "Vantoria rotation 1\ndeck 0000000000000007 0\nlast \nfolder 0000000000000001 *.jpg;|C:\\P\npic 3 a.jpg\nend 5\n";
  EXPECT_EQ(ParseRotationState(firstVersion).value_or(RotationState()).folders.at(0).SizeAt(0), ListedSize());
  const ProgressFile file{state.progress, {{"C:\\Bilder\\c.jpg", {1, 640, 480}}, {"C:\\Bilder\\a b.jpg", {}}}};
  const std::string progress = ProgressFileText(file);
  EXPECT_EQ(ParseProgressFile(progress), file);
  EXPECT_FALSE(ParseProgressFile(progress.substr(0, progress.size() - 1)).has_value());
  const std::size_t progressEnd = progress.rfind("end ");
  EXPECT_FALSE(ParseProgressFile(progress.substr(0, progressEnd) + "next 4x3 \nend " +
                                 std::to_string(std::stoul(progress.substr(progressEnd + 4)) + 1) + "\n")
                   .has_value())
      << "a next picture without its path";
  EXPECT_FALSE(ParseProgressFile(text).has_value()) << "the state file is no progress";
  EXPECT_FALSE(StateGeneration(progress).has_value()) << "nor the progress a state";
  const FolderIndex index{.generation = 7, .subfolders = false, .selected = {{"C:\\Bilder", "*.jpg;"}},
                          .folders = {{0x01DB5A8C3F1E2D00, "C:\\Bilder"}, {1, "C:\\Bilder\\\xC5\xA1kola"}}};
  const std::string indexText = FolderIndexText(index);
  EXPECT_EQ(ParseFolderIndex(indexText), index);
  const std::size_t firstFolder = indexText.find("folder ");
  for (const std::string& damaged :
       {indexText.substr(0, indexText.size() - 2), progress,
        indexText.substr(0, firstFolder) + indexText.substr(indexText.find('\n', firstFolder) + 1)})
    EXPECT_FALSE(ParseFolderIndex(damaged).has_value()) << damaged;
}

// Back and forward as a browser's: three changes, back twice, forward once; a new change drops
// what was stepped back from; gone pictures are passed over; the oldest go beyond 50; the text
// reads back, a step back included, and nothing damaged does.
TEST(HistoryTest, StepsBackAndForwardPassingOverGonePicturesAndReadsBackWhole) {
  const auto change = [](const std::string& picture) { return Change{"2026-12-08 14:05:00", {{"", picture}}}; };
  THistory history;
  for (const char* picture : {"a", "b", "c"}) history.Record(change(picture));
  const auto any = [](const Change&) { return true; };
  const auto shown = [](const Change* step) { return step ? step->pictures[0].path : "none"; };
  EXPECT_EQ(shown(history.Back(any)), "b");
  EXPECT_EQ(shown(history.Back(any)), "a");
  EXPECT_EQ(shown(history.Back(any)), "none");
  EXPECT_EQ(shown(history.Forward(any)), "b");
  history.Record(change("d"));
  EXPECT_EQ(shown(history.Forward(any)), "none");
  EXPECT_EQ(shown(history.Back([](const Change& c) { return c.pictures[0].path != "b"; })), "a") << "b is gone";

  Change twoMonitors{"2026-12-08 14:15:00",
                     {{"\\\\.\\DISPLAY1", "C:\\x|y.jpg"}, {"\\\\.\\DISPLAY2", "C:\\\xC5\xA1.jpg"}}};
  history.Record(twoMonitors);
  EXPECT_EQ(PictureOnMonitor(twoMonitors, "\\\\.\\DISPLAY2")->path, "C:\\\xC5\xA1.jpg");
  EXPECT_EQ(PictureOnMonitor(twoMonitors, "\\\\.\\DISPLAY9")->path, "C:\\x|y.jpg");
  const std::string text = HistoryText(history);
  const std::optional<THistory> read = ParseHistory(text);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(std::tie(read->Changes(), *read->Current()), std::tie(history.Changes(), twoMonitors));
  const std::size_t end = text.rfind("end ");
  const std::string pictureless = text.substr(0, end) + "change 2026-12-08 14:20:00\nend " +
                                  std::to_string(std::stoul(text.substr(end + 4)) + 1) + "\n";
  for (const std::string& damaged :
       {text.substr(0, text.size() - 2), text + "shown |z\n", std::string("junk\n"),
        text.substr(0, text.find("current")) + "current 9" + text.substr(text.find('\n', 20)), pictureless})
    EXPECT_FALSE(ParseHistory(damaged).has_value()) << damaged;
  // Stepped back, the change shown is set as it could be again; it stays the one shown.
  history.Back(any);
  history.ReplaceCurrent(change("d again"));
  const std::optional<THistory> back = ParseHistory(HistoryText(history));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(std::tuple(back->CurrentIndex(), back->Current()->pictures[0].path, back->Changes().back()),
            std::tuple(history.Changes().size() - 2, std::string("d again"), twoMonitors));

  THistory full;
  for (int i = 0; i < 51; ++i) full.Record(change(std::to_string(i)));
  EXPECT_EQ(std::tuple(full.Changes().size(), full.Changes().front().pictures[0].path),
            std::tuple(kHistoryLength, "1"));
}

// The list the user may edit: a line names a picture by its full path, whatever its case, slashes
// or letters; blank lines, notes and relative paths name none and stay as they were.
TEST(ExclusionsTest, FullPathsExcludeWhateverTheirCaseAndOtherLinesStay) {
  const std::string text = "\xEF\xBB\xBF# pictures I never want\r\n\r\nC:\\Photos\\Zoo #2.JPG\r\n"
                           "  D:/Bilder/\xC5\xA1kola.jpg \r\nphotos\\relative.jpg\r\n\"C:\\Copied as path.jpg\"\r\n"
                           "\\\\server\\share\\a.jpg";
  const TExclusions excluded(text);
  for (const auto& [path, excludes] : {std::pair{"c:\\photos\\zoo #2.jpg", true},
                                       {"D:\\Bilder\\\xC5\xA0KOLA.jpg", true},
                                       {"\\\\server\\share\\a.jpg", true},
                                       {"C:\\Copied as path.jpg", true},
                                       {"C:\\Photos\\Zoo", false},
                                       {"photos\\relative.jpg", false},
                                       {"# pictures I never want", false}})
    EXPECT_EQ(excluded.Excludes(path), excludes) << path;
  // Notepad's UTF-16 ("C:\\\u0160.jpg" and a note, little-endian) is read as its letters and written
  // back as UTF-8, every line kept.
  const std::uint8_t utf16[] = {0xFF, 0xFE, 'C', 0, ':', 0, '\\', 0, 0x60, 0x01, '.', 0, 'j', 0, 'p', 0, 'g', 0,
                                '\r', 0, '\n', 0, '#', 0, 0x3D, 0xD8, 0x00, 0xDE, '\r', 0, '\n', 0};
  const std::string decoded = ExclusionFileText(utf16);
  EXPECT_TRUE(TExclusions(decoded).Excludes("c:\\\xC5\xA1.JPG"));
  EXPECT_EQ(TextExcluding(decoded, "C:\\b.jpg"),
            "\xEF\xBB\xBF"
            "C:\\\xC5\xA0.jpg\r\n#\xF0\x9F\x98\x80\r\nC:\\b.jpg\r\n");
  const std::string added = TextExcluding(text, "E:\\new.jpg");
  EXPECT_EQ(added, text + "\r\nE:\\new.jpg\r\n");
  EXPECT_EQ(TextExcluding(added, "e:/NEW.jpg"), added) << "named already";
  EXPECT_EQ(TextNotExcluding(added, "e:\\new.jpg"), text + "\r\n") << "every other line as it was";
  EXPECT_EQ(TextExcluding("", "C:\\a.jpg"), "C:\\a.jpg\r\n");
}

}  // namespace
}  // namespace rotation

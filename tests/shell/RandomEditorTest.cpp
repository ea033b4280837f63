// A randomized run of the editor: seeded sequences of record commands, typed form edits, answers to
// every question, Channel List sessions, the SATCODX import, undo, redo, save and reopen, all
// through the real main window. After every step the database must equal a replay of the same
// steps on a database of its own (changed through the core's operations, with whole copies as its
// undo history), the title must say "(Modified)" when the work differs from the last save and only
// off the saved step, the pane must show the typed edits on the record they were typed on, and the
// tree must show the database.
//
// By default the run takes about 30 seconds. DISHLINE_RANDOM_SEEDS (a count), DISHLINE_RANDOM_SECONDS,
// DISHLINE_RANDOM_SEED (the first seed) and DISHLINE_RANDOM_STEPS (per seed) change that; a failure
// prints its seed, its step and the steps that lead there.
#include "EditorTestSupport.h"

#include "bench/BigDatabase.h"
#include "channellist/ChannelListDialog.h"
#include "database/DisplayTables.h"
#include "import/SatcodxImport.h"

#include <QAbstractItemView>
#include <QElapsedTimer>
#include <QMenu>

#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <random>
#include <sstream>

using namespace editortest;

namespace {

using Image = std::vector<uint8_t>;

int EnvInt(const char* name, int fallback) {
    const QByteArray value = qgetenv(name);
    return value.isEmpty() ? fallback : value.toInt();
}

// The bytes that depend on the day of the save (the stamp and the checksum) do not count.
Image Masked(Image image) {
    if (image.size() > 12) {
        image[9] = image[10] = image[11] = 0;
        image.back() = 0;
    }
    return image;
}

Image RawImage(NetworkDatabase& db) {
    Image image;
    db.Serialize(image);
    return image;
}

Image ImageOf(NetworkDatabase& db) {
    return Masked(RawImage(db));
}

// A whole copy of a database, record by record: the replay's undo history. (An image would not do:
// reading one back gives a database without favorite groups its eight.)
std::unique_ptr<NetworkDatabase> Copy(const NetworkDatabase& from) {
    auto to = std::make_unique<NetworkDatabase>();
    to->version = from.version;
    to->stampYear = from.stampYear;
    to->stampMonth = from.stampMonth;
    to->stampDay = from.stampDay;
    to->formatFlags = from.formatFlags;
    to->keepStamp = true;
    for (const auto& record : from.antennaConfigs())
        to->AppendAntennaConfig(*record);
    for (const auto& record : from.networks())
        to->AppendNetwork(*record);
    for (const auto& record : from.transponders())
        to->AppendTransponder(*record);
    for (const auto& record : from.programs())
        to->AppendProgram(*record);
    for (const auto& record : from.favoriteGroups())
        to->AppendFavoriteGroup(*record);
    return to;
}

// ---- the form fields the run types into ----

enum FormField {
    NET_NAME,
    NET_POSITION,
    TP_NAME,
    TP_FREQUENCY,
    TP_SYMBOL_RATE,
    PROG_NAME,
    PROG_SID,
    PROG_RADIO,
    PROG_LOCK,
    PROG_SKIP
};
enum FieldKind { TEXT, NUMBER, POSITION, CHECK };
struct FieldInfo {
    PaneKind pane;
    const char* widget;
    FieldKind kind;
};
const FieldInfo kFields[] = {
    {PANE_NETWORK, "networkName", TEXT},
    {PANE_NETWORK, "degree", POSITION},
    {PANE_TRANSPONDER, "tpName", TEXT},
    {PANE_TRANSPONDER, "frequency", NUMBER},
    {PANE_TRANSPONDER, "symbolRate", NUMBER},
    {PANE_PROGRAM, "programName", TEXT},
    {PANE_PROGRAM, "serviceId", NUMBER},
    {PANE_PROGRAM, "radio", CHECK},
    {PANE_PROGRAM, "lock", CHECK},
    {PANE_PROGRAM, "skip", CHECK},
};

struct Value {
    std::string text;
    uint32_t number = 0;
    bool operator==(const Value&) const = default;
};

// Where a field lives in its record: a name, a 16-bit number, or a bit of the attributes.
struct FieldRef {
    std::string* text = nullptr;
    uint16_t* number = nullptr;
    uint8_t mask = 0;
};

FieldRef RefOf(FormField field, const void* record) {
    void* r = const_cast<void*>(record);
    switch (field) {
    case NET_NAME:
        return {&static_cast<Network*>(r)->name};
    case NET_POSITION:
        return {nullptr, &static_cast<Network*>(r)->position};
    case TP_NAME:
        return {&static_cast<Transponder*>(r)->name};
    case TP_FREQUENCY:
        return {nullptr, &static_cast<Transponder*>(r)->frequency};
    case TP_SYMBOL_RATE:
        return {nullptr, &static_cast<Transponder*>(r)->symbolRate};
    case PROG_NAME:
        return {&static_cast<Program*>(r)->name};
    case PROG_SID:
        return {nullptr, &static_cast<Program*>(r)->serviceId};
    default:
        return {nullptr, nullptr, field == PROG_RADIO ? PA_RADIO : field == PROG_LOCK ? PA_LOCK : PA_SKIP};
    }
}

Value Stored(FormField field, const void* record) {
    const FieldRef ref = RefOf(field, record);
    if (ref.text)
        return {*ref.text};
    if (ref.number)
        return {{}, *ref.number};
    return {{}, (static_cast<const Program*>(record)->attributes & ref.mask) != 0};
}

void Put(FormField field, void* record, const Value& v) {
    const FieldRef ref = RefOf(field, record);
    if (ref.text) {
        *ref.text = v.text;
    } else if (ref.number) {
        *ref.number = static_cast<uint16_t>(v.number);
    } else {
        uint8_t& attributes = static_cast<Program*>(record)->attributes;
        attributes = static_cast<uint8_t>(v.number ? attributes | ref.mask : attributes & ~ref.mask);
    }
}

// The record the pane reads back as: the edit bar's working copy after reading its controls.
const void* ReadBack(EditBar* bar, PaneKind pane) {
    if (pane == PANE_NETWORK && bar->ReadNetwork() == 0)
        return &bar->workingNetwork();
    if (pane == PANE_TRANSPONDER && bar->ReadTransponder() == 0)
        return &bar->workingTransponder();
    if (pane == PANE_PROGRAM && bar->ReadProgram() == 0)
        return &bar->workingProgram();
    return nullptr;
}

// Names as users have them: " HD" variants, letter case, Latin-1 letters, an empty one.
const char* const kNames[] = {"Das Erste HD", "ZDF",     "zdf hd",
                              "ARTE",         "Arte HD", "Sky Sport 1",
                              "Radio Bremen", "\3261",   "Canal+ \311v\351nements",
                              "BBC One",      "",        "RTL Television"};

// ---- the replay ----

class Replay {
public:
    NetworkDatabase db;
    bool open = false;
    std::string path;                                     // where Save writes without asking
    std::vector<Image> images;                            // the image after each step
    std::vector<std::unique_ptr<NetworkDatabase>> copies; // and the database itself, for undo and redo
    size_t at = 0;
    long saved = 0; // the step the file holds; -1 when no step does
    PaneKind pane = PANE_EMPTY;
    void* shown = nullptr;
    std::map<FormField, Value> pending; // typed into the pane, not applied
    struct Reverted {
        void* record;
        std::map<FormField, Value> fields;
    };
    std::optional<Reverted> reverted; // edits Undo took back, for Redo

    std::mt19937_64 random;
    std::vector<MessageBox::Button> answers; // what the boxes of the next action are answered
    std::vector<QString> paths;              // and its file dialogs
    bool wrote = false;                      // the file was written (by a save that QuerySave asked for)
    bool inCommand = false;                  // an add command's step is open: what it applies joins it

    int Below(int n) { return static_cast<int>(random() % static_cast<uint64_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }

    MessageBox::Button Ask() {
        const int r = Below(10);
        const auto answer = r < 5 ? MessageBox::Yes : r < 8 ? MessageBox::No : MessageBox::Cancel;
        answers.push_back(answer);
        return answer;
    }
    MessageBox::Button AskYesNo(int yesPercent) {
        answers.push_back(Chance(yesPercent) ? MessageBox::Yes : MessageBox::No);
        return answers.back();
    }
    void Ok() { answers.push_back(MessageBox::Ok); }

    bool Modified() const { return saved != static_cast<long>(at); }

    void Start() {
        db.keepStamp = true;
        images = {RawImage(db)};
        copies.clear();
        copies.push_back(Copy(db));
        at = 0;
        saved = 0;
        pending.clear();
        reverted.reset();
        pane = PANE_EMPTY;
        shown = nullptr;
    }

    // A command changed the database: one step, unless the image stayed the same. An applied form
    // edit is one always: it may change what the file does not hold (a transponder's name).
    void Step(bool always = false) {
        if (inCommand)
            return;
        Image image = RawImage(db);
        if (!always && Masked(image) == Masked(images[at]))
            return;
        images.resize(at + 1);
        copies.resize(at + 1);
        if (saved > static_cast<long>(at))
            saved = -1;
        images.push_back(std::move(image));
        copies.push_back(Copy(db));
        ++at;
        reverted.reset();
    }

    Value Effective(FormField field) const {
        const auto it = pending.find(field);
        return it != pending.end() ? it->second : Stored(field, shown);
    }
    bool PendingDiffers() const {
        for (const auto& [field, value] : pending) {
            if (!(Stored(field, shown) == value))
                return true;
        }
        return false;
    }

    template <class T> static size_t IndexIn(const RecordList<T>& list, const void* record) {
        for (size_t i = 0; i < list.size(); ++i) {
            if (list[i].get() == record)
                return i;
        }
        return list.size();
    }
    Network* ShownNetwork() const { return static_cast<Network*>(shown); }
    Transponder* ShownTransponder() const { return static_cast<Transponder*>(shown); }
    Program* ShownProgram() const { return static_cast<Program*>(shown); }

    // The typed fields go into the record the user saw, wherever it stands now.
    void Commit() {
        if (pane == PANE_NETWORK) {
            Network value = *ShownNetwork();
            for (const auto& [field, v] : pending)
                Put(field, &value, v);
            db.SetNetwork(IndexIn(db.networks(), shown), value);
        } else if (pane == PANE_TRANSPONDER) {
            Transponder value = *ShownTransponder();
            for (const auto& [field, v] : pending)
                Put(field, &value, v);
            db.SetTransponder(IndexIn(db.transponders(), shown), value);
        } else if (pane == PANE_PROGRAM) {
            Program value = *ShownProgram();
            for (const auto& [field, v] : pending)
                Put(field, &value, v);
            const size_t index = IndexIn(db.programs(), shown);
            if (value.IsRadio() != ShownProgram()->IsRadio())
                db.SetProgramRadio(ShownProgram()->IsRadio(), static_cast<uint16_t>(index));
            if (value.IsRadio())
                value.videoPids.Clear(); // a radio program has no video
            db.SetProgram(index, value);
        }
        pending.clear();
        Step(true);
    }

    // The apply-changes rule, as the user meets it.
    Flow Apply(bool ask) {
        if (pane == PANE_TRANSPONDER &&
            (Effective(TP_FREQUENCY).number == 0 || Effective(TP_SYMBOL_RATE).number == 0)) {
            Ok(); // "Invalid frequency or symbol rate"
            return Flow::Stop;
        }
        if (!PendingDiffers())
            return Flow::Proceed;
        if (ask) {
            const auto answer = Ask();
            if (answer != MessageBox::Yes)
                return answer == MessageBox::Cancel ? Flow::Stop : Flow::Proceed;
        }
        Commit();
        return Flow::Proceed;
    }

    // The user selects a record in the tree.
    void Select(PaneKind kind, void* record) {
        if (record == shown)
            return;
        if (Apply(true) == Flow::Stop)
            return;
        pane = kind;
        shown = record;
        pending.clear();
        if (reverted && reverted->record != record)
            reverted.reset();
    }

    // Forgets the pane: the view shows another record (or none) without asking.
    void Blank() {
        pending.clear();
        pane = PANE_EMPTY;
        shown = nullptr;
    }

    Flow QuerySave() {
        if (Apply(true) == Flow::Stop)
            return Flow::Stop;
        if (!Modified())
            return Flow::Proceed;
        const auto answer = Ask();
        if (answer != MessageBox::Yes)
            return answer == MessageBox::Cancel ? Flow::Stop : Flow::Proceed;
        return SaveFile(false, ChosenPath()) ? Flow::Proceed : Flow::Stop;
    }

    QString saveDir;
    // Where the user saves a file the dialog asks for; empty: the dialog is cancelled.
    QString ChosenPath() { return Chance(90) ? saveDir + QStringLiteral("/saved-%1.NDF").arg(Below(3)) : QString(); }

    bool SaveFile(bool saveAs, const QString& newPath) {
        if (saveAs || path.empty()) {
            paths.push_back(newPath);
            if (newPath.isEmpty())
                return false;
            path = newPath.toStdString();
        }
        saved = static_cast<long>(at);
        wrote = true;
        return true;
    }

    void Load(const Image& image) {
        db.Parse(image);
        db.keepStamp = true;
    }
    void Back(size_t step) {
        at = step;
        db = std::move(*Copy(*copies[step]));
    }
};

// ---- the run ----

class RandomEditorTest : public EditorTest {
protected:
    Replay model;
    std::vector<std::string> steps; // what the seed did, to reproduce it
    Image lastSaved;
    int listings = 0;

    void NewFrame() {
        frame = std::make_unique<CMainFrame>();
        frame->show();
        view = frame->View();
        tree = view->Tree();
        bar = frame->Bar();
    }

    // A few hundred programs over several satellites with favorites, and some damage: programs and
    // a transponder whose references name nothing, favorite entries that name no program, and
    // stored values the forms offer no item for.
    void WriteStartFile(uint64_t seed, const std::string& file) {
        NetworkDatabase generated;
        BigDatabaseShape shape;
        shape.networks = 6;
        shape.transponders = 30;
        shape.programs = 240;
        shape.favoriteEntries = 30;
        BuildBigDatabase(generated, shape, seed);
        const auto& programs = generated.programs();
        programs[7]->transponderIndex = 900;
        programs[150]->transponderIndex = 0xFFF0;
        generated.transponders()[12]->networkIndex = 200;
        generated.favoriteGroups()[0]->tvList.push_back(60000);
        generated.favoriteGroups()[2]->radioList.insert(generated.favoriteGroups()[2]->radioList.begin(), 999);
        Transponder& transponder = *generated.transponders()[3];
        transponder.polFec = static_cast<uint8_t>(0x60 | transponder.polarity()); // FEC 6
        generated.antennaConfigs()[1]->setSwitchLevel(3);
        generated.antennaConfigs()[2]->lnbType = 0xC1; // LNB kind 3
        generated.networks()[3]->position = 3650;
        if (!programs[20]->audioPids.Empty())
            programs[20]->audioPids.pids[0] |= 0x8000; // a flag bit no box shows
        ASSERT_EQ(generated.Save(file), NDF_OK);
    }

    // ---- what the window shows ----

    // The record the pane shows, as the replay's record of the same place.
    template <class T> static void* Twin(const RecordList<T>& from, const RecordList<T>& to, const void* record) {
        const size_t i = Replay::IndexIn(from, record);
        return i < to.size() ? to[i].get() : nullptr;
    }
    void* ModelRecordOfView() {
        const void* record = tree->RecordOf(view->CurrentItem());
        const PaneKind pane = view->Pane();
        return pane == PANE_NETWORK       ? Twin(db().networks(), model.db.networks(), record)
               : pane == PANE_TRANSPONDER ? Twin(db().transponders(), model.db.transponders(), record)
               : pane == PANE_PROGRAM     ? Twin(db().programs(), model.db.programs(), record)
                                          : nullptr;
    }

    // Takes the view's pane as the replay's. Typed edits must still be on screen, on their record.
    void AdoptPane() {
        void* record = ModelRecordOfView();
        if (!model.pending.empty()) {
            ASSERT_EQ(view->Pane(), model.pane) << "the pane with typed edits went away";
            ASSERT_EQ(record, model.shown) << "typed edits now stand on another record";
        }
        if (record != model.shown)
            model.reverted.reset();
        model.pane = view->Pane();
        model.shown = record;
        const void* shown = record ? ReadBack(bar, model.pane) : nullptr;
        for (size_t f = 0; f < std::size(kFields) && shown; ++f) {
            const auto field = static_cast<FormField>(f);
            if (kFields[f].pane == model.pane) {
                EXPECT_EQ(Stored(field, shown), model.Effective(field)) << "field " << kFields[f].widget;
            }
        }
    }

    static QString Latin1(const std::string& bytes) { return QString::fromLatin1(bytes.data(), bytes.size()); }

    QString ExpectedLabel(const Network& n) { return n.name.empty() ? QStringLiteral("(No name)") : Latin1(n.name); }
    QString ExpectedLabel(const Program& p) { return p.name.empty() ? QStringLiteral("(No name)") : Latin1(p.name); }
    QString ExpectedLabel(const Transponder& t) {
        if ((db().formatFlags & NDF_FLAG_TP_NAMES) && !t.name.empty())
            return Latin1(t.name);
        return QString::asprintf("%d.%03d (%c)", t.frequency / 1000, t.frequency % 1000, "VHRL"[t.polarity()]);
    }

    // The tree rebuilt from the database, item by item: order, labels and the links both ways.
    void CheckTree() {
        NetworkDatabase& d = db();
        if (!model.open) {
            ASSERT_EQ(tree->ChildCount(nullptr), 0);
            return;
        }
        ASSERT_EQ(tree->ChildCount(nullptr), static_cast<int>(d.networks().size()));
        std::vector<std::vector<const Transponder*>> under(d.networks().size());
        std::vector<std::vector<const Program*>> carried(d.transponders().size());
        for (const auto& t : d.transponders()) {
            if (t->networkIndex < under.size())
                under[t->networkIndex].push_back(t.get());
        }
        for (const auto& p : d.programs()) {
            if (p->transponderIndex < carried.size())
                carried[p->transponderIndex].push_back(p.get());
        }
        for (size_t n = 0; n < d.networks().size(); ++n) {
            const Network& network = *d.networks()[n];
            TreeItemHandle item = tree->ChildAt(nullptr, static_cast<int>(n));
            ASSERT_EQ(tree->RecordOf(item), &network) << "network " << n;
            ASSERT_EQ(network.treeItem, item);
            ASSERT_EQ(tree->LabelOf(item), ExpectedLabel(network));
            ASSERT_EQ(tree->ChildCount(item), static_cast<int>(under[n].size())) << "network " << n;
            for (size_t k = 0; k < under[n].size(); ++k) {
                const Transponder& t = *under[n][k];
                TreeItemHandle tItem = tree->ChildAt(item, static_cast<int>(k));
                ASSERT_EQ(tree->RecordOf(tItem), &t) << "network " << n << " transponder " << k;
                ASSERT_EQ(t.treeItem, tItem);
                ASSERT_EQ(tree->LabelOf(tItem), ExpectedLabel(t));
                const auto& programs = carried[d.IndexOfTransponder(&t)];
                ASSERT_EQ(tree->ChildCount(tItem), static_cast<int>(programs.size()));
                for (size_t j = 0; j < programs.size(); ++j) {
                    TreeItemHandle pItem = tree->ChildAt(tItem, static_cast<int>(j));
                    ASSERT_EQ(tree->RecordOf(pItem), programs[j]);
                    ASSERT_EQ(programs[j]->treeItem, pItem);
                    ASSERT_EQ(tree->LabelOf(pItem), ExpectedLabel(*programs[j]));
                }
            }
        }
    }

    // Where two databases part: the record counts, else the first byte that differs.
    static std::string Difference(NetworkDatabase& a, NetworkDatabase& b) {
        std::ostringstream out;
        out << "networks " << a.networks().size() << "/" << b.networks().size() << ", transponders "
            << a.transponders().size() << "/" << b.transponders().size() << ", programs " << a.programs().size() << "/"
            << b.programs().size();
        for (size_t i = 0; i < std::min(a.programs().size(), b.programs().size()); ++i) {
            if (a.programs()[i]->Differs(*b.programs()[i]) ||
                a.programs()[i]->transponderIndex != b.programs()[i]->transponderIndex) {
                out << "; program " << i << " \"" << a.programs()[i]->name << "\" / \"" << b.programs()[i]->name
                    << "\"";
                break;
            }
        }
        const Image x = ImageOf(a), y = ImageOf(b);
        const auto at = std::mismatch(x.begin(), x.end(), y.begin(), y.end());
        out << "; first difference at byte " << (at.first - x.begin()) << " of " << x.size() << "/" << y.size();
        return out.str();
    }

    void CheckAll() {
        ASSERT_TRUE(ImageOf(db()) == ImageOf(model.db))
            << "the database differs from the replay: " << Difference(db(), model.db);
        ASSERT_NO_FATAL_FAILURE(CheckTree());
        ASSERT_NO_FATAL_FAILURE(AdoptPane());
        const bool titleSays = frame->windowTitle().contains(QStringLiteral("(Modified)"));
        if (model.open && Masked(model.images[model.at]) != lastSaved) {
            ASSERT_TRUE(titleSays) << "the work differs from the saved file, the title does not say so";
        }
        ASSERT_EQ(titleSays, model.open && model.Modified()) << "the title's \"(Modified)\"";
        frame->UpdateCommandStates();
        const bool canUndo = model.at > 0 || model.PendingDiffers();
        const bool canRedo = (model.reverted && model.reverted->record == model.shown) ||
                             (model.at + 1 < model.images.size() && !model.PendingDiffers());
        ASSERT_EQ(frame->Action(ID_EDIT_UNDO)->isEnabled(), canUndo && model.open);
        ASSERT_EQ(frame->Action(ID_EDIT_REDO)->isEnabled(), canRedo && model.open);
    }

    // Scripts the boxes and dialogs the replay expects, runs the action, and checks that exactly
    // those came.
    void Act(const std::function<void()>& action) {
        for (MessageBox::Button answer : model.answers)
            MessageBox::SetNextAnswer(answer);
        for (const QString& path : model.paths)
            FileDialog::SetNextPath(path);
        const size_t expected = model.answers.size();
        for (MessageBox::Button answer : model.answers)
            Note(answer == MessageBox::Yes      ? " [Yes]"
                 : answer == MessageBox::No     ? " [No]"
                 : answer == MessageBox::Cancel ? " [Cancel]"
                                                : " [OK]");
        model.answers.clear();
        model.paths.clear();
        action();
        ASSERT_EQ(MessageBox::PendingAnswers(), 0u) << "fewer boxes came than the replay expects";
        ASSERT_EQ(FileDialog::PendingPaths(), 0u) << "fewer file dialogs came than the replay expects";
        EXPECT_EQ(MessageBox::TakeShown().size(), expected);
        FileDialog::TakeShown();
    }

    void Note(const std::string& text) { steps.back() += text; }

    // ---- steps ----

    void TypeField(FormField field, const Value& value) {
        const FieldInfo& info = kFields[field];
        model.pending[field] = value;
        if (info.kind == CHECK) {
            QAbstractButton* button = guitest::Find<QAbstractButton>(
                bar, field == PROG_RADIO ? (value.number ? "radio" : "tv") : info.widget);
            if (button->isChecked() != (value.number != 0) || field == PROG_RADIO)
                button->click();
        } else if (info.kind == POSITION) {
            const QString text = QStringLiteral("%1.%2").arg(value.number / 10).arg(value.number % 10);
            Type(info.widget, text);
            // The box shows the stored position within 360 degrees: typing the text it showed is no
            // edit, and the stored value stays (a damaged 365.0 shows as 5.0).
            if (text == QString::fromStdString(FormatPosition(*model.ShownNetwork())))
                model.pending.erase(field);
        } else if (info.kind == TEXT) {
            Type(info.widget, Latin1(value.text));
        } else {
            Type(info.widget, QString::number(value.number));
        }
        Note(std::string(" ") + info.widget + "=" + (info.kind == TEXT ? value.text : std::to_string(value.number)));
    }

    Value RandomValue(FormField field) {
        switch (kFields[field].kind) {
        case TEXT: {
            std::string name = kNames[model.Below(static_cast<int>(std::size(kNames)))];
            if (model.Chance(30))
                name += " " + std::to_string(model.Below(30));
            return {name};
        }
        case POSITION:
            return {{}, static_cast<uint32_t>(model.Below(720) * 5)};
        case CHECK:
            return {{}, model.Chance(50)};
        default:
            break;
        }
        if (field == TP_FREQUENCY)
            return {{}, model.Chance(4) ? 0u : static_cast<uint32_t>(10700 + model.Below(2050))};
        if (field == TP_SYMBOL_RATE)
            return {{}, static_cast<uint32_t>(2000 + model.Below(43000))};
        return {{}, static_cast<uint32_t>(model.Below(65536))};
    }

    void TypeStep() {
        std::vector<FormField> fields;
        for (size_t f = 0; f < std::size(kFields); ++f) {
            if (kFields[f].pane == model.pane)
                fields.push_back(static_cast<FormField>(f));
        }
        if (fields.empty())
            return;
        FormField field = fields[model.Below(static_cast<int>(fields.size()))];
        if (model.pane == PANE_TRANSPONDER && model.Effective(TP_FREQUENCY).number == 0)
            field = TP_FREQUENCY;
        else if (model.pane == PANE_TRANSPONDER && model.Effective(TP_SYMBOL_RATE).number == 0)
            field = TP_SYMBOL_RATE;
        TypeField(field, RandomValue(field));
    }

    void FormOk() {
        const char* page = model.pane == PANE_NETWORK       ? "networkPane"
                           : model.pane == PANE_TRANSPONDER ? "transponderPane"
                                                            : "programPane";
        model.Apply(false);
        Act([&] {
            bar->findChild<QWidget*>(QString::fromLatin1(page))->findChild<QPushButton*>(QStringLiteral("ok"))->click();
        });
    }

    void SelectStep() {
        // Every item of the tree, then one at random.
        std::vector<TreeItemHandle> items;
        for (int n = 0; n < tree->ChildCount(nullptr); ++n) {
            TreeItemHandle network = tree->ChildAt(nullptr, n);
            items.push_back(network);
            for (int t = 0; t < tree->ChildCount(network); ++t) {
                TreeItemHandle transponder = tree->ChildAt(network, t);
                items.push_back(transponder);
                for (int p = 0; p < tree->ChildCount(transponder); ++p)
                    items.push_back(tree->ChildAt(transponder, p));
            }
        }
        TreeItemHandle item = items[model.Below(static_cast<int>(items.size()))];
        const TreeLevel level = tree->LevelOf(item);
        const PaneKind kind = level == LEVEL_NETWORK       ? PANE_NETWORK
                              : level == LEVEL_TRANSPONDER ? PANE_TRANSPONDER
                                                           : PANE_PROGRAM;
        void* record = kind == PANE_NETWORK ? Twin(db().networks(), model.db.networks(), tree->RecordOf(item))
                       : kind == PANE_TRANSPONDER
                           ? Twin(db().transponders(), model.db.transponders(), tree->RecordOf(item))
                           : Twin(db().programs(), model.db.programs(), tree->RecordOf(item));
        Note(" " + tree->LabelOf(item).toStdString());
        model.Select(kind, record);
        Act([&] { Select(item); });
    }

    // An added record is selected within its command's step: an edit applied then joins the step.
    void SelectAdded(PaneKind kind, void* record) {
        model.inCommand = true;
        model.Select(kind, record);
        model.inCommand = false;
        model.Step();
    }

    void AddTransponderStep() {
        const bool go = model.Apply(true) == Flow::Proceed;
        Transponder* added = nullptr;
        if (go && PaneNetwork() != NO_NETWORK && (added = model.db.AddTransponder(PaneNetwork(), PaneTransponder())))
            SelectAdded(PANE_TRANSPONDER, added);
        Act([&] { Trigger(ID_TRANSPONDER_ADD); });
        if (added && model.shown == added && model.Chance(85)) {
            Note(" fill:");
            TypeField(TP_FREQUENCY, {{}, static_cast<uint32_t>(10700 + model.Below(2050))});
            TypeField(TP_SYMBOL_RATE, {{}, 27500});
            FormOk();
        }
    }

    void AddProgramStep() {
        Program* added = nullptr;
        if (model.Apply(true) == Flow::Proceed) {
            if (model.pane == PANE_TRANSPONDER)
                added = model.db.AddProgram(PaneTransponder(), NO_INDEX);
            else if (model.pane == PANE_PROGRAM)
                added = model.db.AddProgram(model.ShownProgram()->transponderIndex,
                                            static_cast<uint16_t>(Replay::IndexIn(model.db.programs(), model.shown)));
            if (added)
                SelectAdded(PANE_PROGRAM, added);
        }
        Act([&] { Trigger(ID_PROGRAM_ADD); });
        if (added && model.shown == added && model.Chance(60)) {
            TypeField(PROG_NAME, RandomValue(PROG_NAME));
            FormOk();
        }
    }

    // The index of the transponder the pane stands on; NO_INDEX for a network.
    uint16_t PaneTransponder() {
        if (model.pane == PANE_TRANSPONDER)
            return static_cast<uint16_t>(Replay::IndexIn(model.db.transponders(), model.shown));
        if (model.pane == PANE_PROGRAM)
            return model.ShownProgram()->transponderIndex;
        return NO_INDEX;
    }
    uint8_t PaneNetwork() {
        if (model.pane == PANE_NETWORK)
            return static_cast<uint8_t>(Replay::IndexIn(model.db.networks(), model.shown));
        const uint16_t t = PaneTransponder();
        return t < model.db.transponders().size() ? model.db.transponders()[t]->networkIndex : NO_NETWORK;
    }

    void DeleteStep(int id) {
        const uint16_t t = PaneTransponder();
        const uint8_t n = PaneNetwork();
        switch (id) {
        case ID_TRANSPONDER_DELETE:
            model.Blank();
            model.db.DeleteTransponder(t);
            break;
        case ID_TRANSPONDER_DELETE_ALL_IN_NET:
            if (model.pane != PANE_NETWORK)
                model.Blank();
            model.db.DeleteTranspondersInNetwork(n);
            break;
        case ID_PROGRAM_DELETE: {
            const size_t p = Replay::IndexIn(model.db.programs(), model.shown);
            model.Blank();
            model.db.DeleteProgram(p);
            break;
        }
        case ID_PROGRAM_DELETE_ALL_IN_TRANSPONDER:
            if (model.pane == PANE_PROGRAM)
                model.Blank();
            model.db.DeleteProgramsInTransponder(t);
            break;
        default:
            if (model.pane == PANE_PROGRAM)
                model.Blank();
            model.db.DeleteProgramsInNetwork(n);
            break;
        }
        model.Step();
        Act([&] { Trigger(id); });
    }

    // Program Lock or Skip on the shown program alone: its pending edits are asked about first,
    // then the mark flips and the form shows the stored record again.
    void MarkStep(int id, uint8_t mark) {
        if (model.Apply(true) == Flow::Proceed) {
            Program* shown = model.ShownProgram();
            Program value = *shown;
            value.attributes = static_cast<uint8_t>(value.attributes ^ mark);
            model.db.SetProgram(Replay::IndexIn(model.db.programs(), shown), value);
            model.pending.clear();
            model.Step();
        }
        Act([&] { Trigger(id); });
    }

    void SortStep() {
        if (model.Apply(true) == Flow::Proceed) {
            if (model.db.antennaConfigs().size() < model.db.networks().size()) {
                model.Ok();
            } else if (model.db.SortByDegree(1800)) {
                model.Blank();
                model.Step();
            }
        }
        Act([&] { Trigger(ID_SATELLITE_SORT_BY_DEGREE); });
    }

    void UndoStep() {
        if (model.PendingDiffers()) {
            model.reverted = Replay::Reverted{model.shown, model.pending};
            model.pending.clear();
        } else {
            model.Back(model.at - 1);
            model.reverted.reset();
            model.Blank();
        }
        Act([&] { Trigger(ID_EDIT_UNDO); });
    }

    void RedoStep() {
        if (model.reverted && model.reverted->record == model.shown && !model.PendingDiffers()) {
            model.pending = model.reverted->fields;
            model.reverted.reset();
        } else {
            model.reverted.reset();
            if (!model.PendingDiffers()) {
                model.Back(model.at + 1);
                model.Blank();
            }
        }
        Act([&] { Trigger(ID_EDIT_REDO); });
    }

    void SaveStep(bool saveAs) {
        const bool writes = model.Apply(true) == Flow::Proceed && model.SaveFile(saveAs, model.ChosenPath());
        Act([&] { Trigger(saveAs ? ID_FILE_SAVE_AS : ID_FILE_SAVE); });
        if (writes)
            CheckSavedFile(model.path, Masked(model.images[model.at]));
    }

    void CheckSavedFile(const std::string& file, const Image& image) {
        lastSaved = image;
        ASSERT_TRUE(Masked(ReadBytes(file)) == image) << "the saved file is not what the replay predicts";
    }

    // New, Open and Close: first QuerySave, which may save; then the command goes on, or not.
    void DocumentStep(int id) {
        model.wrote = false;
        const bool go = !model.open || model.QuerySave() == Flow::Proceed;
        const bool savedNow = model.wrote;
        const std::string savedFile = model.path;
        const Image savedImage = Masked(model.images[model.at]);
        std::string file = model.path.empty() ? startFile : model.path;
        const bool cancel = id == ID_FILE_OPEN && go && model.Chance(10);
        if (id == ID_FILE_OPEN && go)
            model.paths.push_back(cancel ? QString() : QString::fromStdString(file));
        Act([&] { Trigger(id); });
        if (savedNow) {
            ASSERT_NO_FATAL_FAILURE(CheckSavedFile(savedFile, savedImage));
        }
        if (!go || cancel)
            return;
        if (id == ID_FILE_OPEN) {
            model.Load(ReadBytes(file)); // the file comes back as it was saved
            Note(" " + file);
        } else if (id == ID_FILE_NEW) {
            model.db.NewDefault();
            file.clear();
        } else {
            model.db.Clear();
            file.clear();
        }
        model.path = file;
        model.open = id != ID_FILE_CLOSE;
        model.Start();
        lastSaved = Masked(model.images[0]);
    }

    std::string startFile;

    void ImportStep() {
        const std::string listing = dir.StdPath("listing-" + std::to_string(++listings) + ".sdx");
        Network* network = model.ShownNetwork();
        {
            std::ofstream out(listing, std::ios::binary);
            const uint16_t position = model.Chance(70) && network->position < 1800
                                          ? network->position
                                          : static_cast<uint16_t>(model.Below(1800));
            char positionText[8];
            std::snprintf(positionText, sizeof positionText, "%04u", position);
            for (int line = 0, lines = 1 + model.Below(4); line < lines; ++line) {
                const std::string frequency = std::to_string(10700 + model.Below(2050));
                const std::string rate = std::to_string(22000 + 500 * model.Below(12));
                out << SatcodxLine(kNames[model.Below(6)], frequency.c_str(), model.Chance(50) ? '1' : '0',
                                   positionText, rate.c_str());
            }
        }
        if (model.Apply(true) == Flow::Proceed) {
            model.paths.push_back(QString::fromStdString(listing));
            SatcodxPreview preview;
            EXPECT_EQ(ReadSatcodx(model.db, *network, listing, preview), NDF_OK);
            const uint8_t slot = preview.slot;
            const bool hasTransponders = model.db.FirstTransponderOf(slot) < model.db.transponders().size();
            if (preview.position == network->position || (network->name.empty() && !hasTransponders) ||
                model.AskYesNo(70) == MessageBox::Yes) {
                const bool changes = network->name != preview.name || network->position != preview.position;
                if (ApplySatcodx(model.db, preview) > 0 || changes)
                    model.pending.clear();
                model.Step();
                model.Ok(); // the summary
            }
        }
        Act([&] { Trigger(ID_SATELLITE_IMPORT_SATCODX); });
    }

    // ---- the step table: what a user does, how often, and when the window offers it ----

    enum Needs { ALWAYS, A_PANE, TP_OR_PROGRAM, PROGRAM, NETWORK, UNDO, REDO };
    struct StepEntry {
        const char* name;
        int weight;
        Needs needs;
        std::function<void()> run;
    };

    std::vector<StepEntry> StepTable() {
        return {{"select", 22, A_PANE, [this] { SelectStep(); }},
                {"type", 18, A_PANE, [this] { TypeStep(); }},
                {"form OK", 6, A_PANE, [this] { FormOk(); }},
                {"add transponder", 4, A_PANE, [this] { AddTransponderStep(); }},
                {"add program", 5, TP_OR_PROGRAM, [this] { AddProgramStep(); }},
                {"delete transponder", 2, TP_OR_PROGRAM, [this] { DeleteStep(ID_TRANSPONDER_DELETE); }},
                {"delete transponders in net", 1, A_PANE, [this] { DeleteStep(ID_TRANSPONDER_DELETE_ALL_IN_NET); }},
                {"delete program", 4, PROGRAM, [this] { DeleteStep(ID_PROGRAM_DELETE); }},
                {"delete programs in transponder", 1, TP_OR_PROGRAM,
                 [this] { DeleteStep(ID_PROGRAM_DELETE_ALL_IN_TRANSPONDER); }},
                {"delete programs in net", 1, A_PANE, [this] { DeleteStep(ID_PROGRAM_DELETE_ALL_IN_NET); }},
                {"sort by degree", 2, A_PANE, [this] { SortStep(); }},
                {"lock", 2, PROGRAM, [this] { MarkStep(ID_PROGRAM_LOCK, PA_LOCK); }},
                {"skip", 1, PROGRAM, [this] { MarkStep(ID_PROGRAM_SKIP, PA_SKIP); }},
                {"undo", 8, UNDO, [this] { UndoStep(); }},
                {"redo", 5, REDO, [this] { RedoStep(); }},
                {"save", 3, A_PANE, [this] { SaveStep(false); }},
                {"save as", 1, A_PANE, [this] { SaveStep(true); }},
                {"open", 2, ALWAYS, [this] { DocumentStep(ID_FILE_OPEN); }},
                {"close", 1, A_PANE, [this] { DocumentStep(ID_FILE_CLOSE); }},
                {"new", 1, ALWAYS, [this] { DocumentStep(ID_FILE_NEW); }},
                {"import SATCODX", 2, NETWORK, [this] { ImportStep(); }},
                {"channel list", 4, A_PANE, [this] { ChannelListStep(); }}};
    }

    bool Offered(Needs needs) const {
        const PaneKind pane = model.pane;
        switch (needs) {
        case A_PANE:
            return pane != PANE_EMPTY;
        case TP_OR_PROGRAM:
            return pane == PANE_TRANSPONDER || pane == PANE_PROGRAM;
        case PROGRAM:
            return pane == PANE_PROGRAM;
        case NETWORK:
            return pane == PANE_NETWORK;
        case UNDO:
            return frame->Action(ID_EDIT_UNDO)->isEnabled();
        case REDO:
            return frame->Action(ID_EDIT_REDO)->isEnabled();
        default:
            return true;
        }
    }

    // One Channel List session on the TV channels of all satellites, as the replay sees it.
    struct Session {
        std::vector<uint32_t> order; // the rows, by each program's index at opening
        std::vector<uint32_t> opened;
        std::vector<uint32_t> working; // every program in its new place, radio ones too
        std::vector<FavoriteGroup> groups, groupsAtOpening;
        std::vector<uint32_t> deleted;
        bool accepted = false;
        // The rows take the places of the TV programs in the working order.
        void StoreRows(const NetworkDatabase& d) {
            size_t row = 0;
            for (uint32_t& program : working) {
                if (!d.programs()[program]->IsRadio())
                    program = order[row++];
            }
        }
        bool Changed() const {
            bool changed = order != opened || !deleted.empty();
            for (size_t g = 0; g < groups.size(); ++g)
                changed |= groups[g].tvList != groupsAtOpening[g].tvList ||
                           groups[g].radioList != groupsAtOpening[g].radioList;
            return changed;
        }
    };

    static std::vector<uint32_t> Rows(const ChannelListDialog& dialog) {
        std::vector<uint32_t> rows;
        for (int r = 0; r < dialog.RowCount(); ++r)
            rows.push_back(dialog.RowValue(r));
        return rows;
    }

    void RunSession(ChannelListDialog& dialog, Session& s) {
        ASSERT_EQ(Rows(dialog), s.order) << "the TV channels at opening";
        const int groupCount = dialog.session().FavoriteGroupCount();
        for (int op = 0, ops = 1 + model.Below(5); op < ops && !s.order.empty(); ++op) {
            const int row = model.Below(static_cast<int>(s.order.size()));
            const uint32_t program = s.order[row];
            const int kind = model.Below(10);
            const int group = model.Below(std::max(1, groupCount));
            FavoriteGroup none;
            FavoriteGroup& favorites = group < static_cast<int>(s.groups.size()) ? s.groups[group] : none;
            auto& tv = favorites.tvList;
            const auto inTv = std::count(tv.begin(), tv.end(), program);
            const auto inRadio = std::count(favorites.radioList.begin(), favorites.radioList.end(), program);
            if (kind < 4) {
                const int target = model.Below(static_cast<int>(s.order.size()));
                Note(" move " + std::to_string(row) + "->" + std::to_string(target));
                dialog.MoveRow(row, target);
                s.order.erase(s.order.begin() + row);
                s.order.insert(s.order.begin() + target, program);
            } else if (kind < 6) {
                const int column = model.Below(COLUMN_COUNT);
                Note(" sort " + std::to_string(column));
                dialog.SortByColumn(column);
                std::vector<uint32_t> rows = Rows(dialog), before = s.order;
                s.order = rows;
                std::sort(rows.begin(), rows.end());
                std::sort(before.begin(), before.end());
                ASSERT_EQ(rows, before) << "a sort changed the set of rows";
            } else if (kind < 8) {
                auto* list = dialog.findChild<QAbstractItemView*>();
                list->selectionModel()->setCurrentIndex(
                    list->model()->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
                const bool yes = model.Chance(80);
                Note(" delete " + std::to_string(row) + (yes ? "" : " (No)"));
                MessageBox::SetNextAnswer(yes ? MessageBox::Yes : MessageBox::No);
                dialog.DeleteSelection();
                if (yes) {
                    s.StoreRows(model.db);
                    s.deleted.push_back(program);
                    s.order.erase(s.order.begin() + row);
                    s.working.erase(std::find(s.working.begin(), s.working.end(), program));
                }
            } else if (groupCount > 0 && inTv == 0 && inRadio == 0) {
                Note(" favorite " + std::to_string(group) + " + row " + std::to_string(row));
                dialog.BuildContextMenu(row);
                dialog.AddToFavorite(group);
                tv.push_back(static_cast<uint16_t>(program));
            } else if (groupCount > 0 && inTv == 1 && inRadio == 0) {
                Note(" favorite " + std::to_string(group) + " - row " + std::to_string(row));
                dialog.BuildContextMenu(row);
                dialog.RemoveFromFavorite(group);
                tv.erase(std::find(tv.begin(), tv.end(), program));
            }
            ASSERT_EQ(MessageBox::PendingAnswers(), 0u);
            ASSERT_EQ(Rows(dialog), s.order);
        }
        const bool changed = s.Changed();
        if (model.Chance(30)) {
            const bool discard = model.Chance(70);
            Note(changed ? (discard ? " Cancel, Yes" : " Cancel, No, OK") : " Cancel");
            if (changed)
                MessageBox::SetNextAnswer(discard ? MessageBox::Yes : MessageBox::No);
            dialog.reject();
            ASSERT_EQ(MessageBox::PendingAnswers(), 0u);
            s.accepted = changed && !discard;
        } else {
            Note(" OK");
            s.accepted = true;
        }
        if (s.accepted)
            dialog.accept(); // at once, before the event loop turns
    }

    void ChannelListStep() {
        NetworkDatabase& d = model.db;
        Session s;
        for (uint32_t i = 0; i < d.programs().size(); ++i) {
            if (!d.programs()[i]->IsRadio())
                s.order.push_back(i);
        }
        s.opened = s.order;
        for (uint32_t i = 0; i < d.programs().size(); ++i)
            s.working.push_back(i);
        for (const auto& group : d.favoriteGroups())
            s.groups.push_back(*group);
        s.groupsAtOpening = s.groups;
        const bool ran = guitest::RunModal([&] { Trigger(ID_VIEW_CHANNEL_LIST); },
                                           [&](QWidget* modal) {
                                               auto* dialog = qobject_cast<ChannelListDialog*>(modal);
                                               ASSERT_NE(dialog, nullptr);
                                               RunSession(*dialog, s);
                                               if (dialog->isVisible()) { // a failed check: leave without a question
                                                   s.accepted = false;
                                                   if (dialog->HoldsChanges())
                                                       MessageBox::SetNextAnswer(MessageBox::Yes);
                                                   dialog->reject();
                                               }
                                           });
        ASSERT_TRUE(ran);
        MessageBox::TakeShown();
        if (!s.accepted || HasFailure())
            return;
        // The write-back through the core's operations: the favorites, then the order, then the
        // deletions (which the order puts last).
        const size_t shownAt = Replay::IndexIn(d.programs(), model.shown);
        if (model.pane == PANE_PROGRAM && std::count(s.deleted.begin(), s.deleted.end(), shownAt))
            model.Blank();
        bool edited = false; // a step even where the image stays: two equal programs swapped places
        for (size_t g = 0; g < s.groups.size(); ++g) {
            if (s.groups[g].tvList != s.groupsAtOpening[g].tvList ||
                s.groups[g].radioList != s.groupsAtOpening[g].radioList) {
                d.SetFavoriteGroup(g, s.groups[g]);
                edited = true;
            }
        }
        s.StoreRows(d);
        std::vector<uint32_t> permutation = s.working;
        permutation.insert(permutation.end(), s.deleted.begin(), s.deleted.end());
        for (size_t j = 0; j < permutation.size(); ++j)
            edited |= permutation[j] != j;
        d.ReorderPrograms(permutation);
        std::vector<size_t> gone;
        for (size_t j = 0; j < permutation.size(); ++j) {
            if (std::count(s.deleted.begin(), s.deleted.end(), permutation[j]))
                gone.push_back(j);
        }
        d.DeletePrograms(gone);
        model.Step(edited);
    }
};

TEST_F(RandomEditorTest, EverySequenceMatchesItsReplay) {
    const bool countGiven = !qEnvironmentVariableIsEmpty("DISHLINE_RANDOM_SEEDS");
    const int seeds = EnvInt("DISHLINE_RANDOM_SEEDS", 1 << 30);
    const int seconds = EnvInt("DISHLINE_RANDOM_SECONDS", countGiven ? 1 << 30 : 30);
    const int firstSeed = EnvInt("DISHLINE_RANDOM_SEED", 1);
    const int stepsPerSeed = EnvInt("DISHLINE_RANDOM_STEPS", 80);
    const std::vector<StepEntry> table = StepTable();
    int totalWeight = 0;
    for (const StepEntry& entry : table)
        totalWeight += entry.weight;
    QElapsedTimer clock;
    clock.start();
    long totalSteps = 0;
    int seed = firstSeed;
    for (; seed < firstSeed + seeds && (seed == firstSeed || clock.elapsed() < seconds * 1000LL); ++seed) {
        if (countGiven) // a long run names each seed, so that a crash still tells its seed
            std::cerr << "seed " << seed << '\n';
        frame.reset();
        NewFrame();
        model = Replay();
        model.random.seed(static_cast<uint64_t>(seed));
        model.saveDir = dir.Path(QStringLiteral("."));
        steps.clear();
        startFile = dir.StdPath("start.NDF");
        WriteStartFile(static_cast<uint64_t>(seed), startFile);
        steps.push_back("open");
        model.paths.push_back(QString::fromStdString(startFile));
        Act([&] { Trigger(ID_FILE_OPEN); });
        model.Load(ReadBytes(startFile));
        model.path = startFile;
        model.open = true;
        model.Start();
        lastSaved = Masked(model.images[0]);
        CheckAll();
        for (int step = 0; step < stepsPerSeed && !HasFailure(); ++step) {
            // A step the window offers now, by weight.
            const StepEntry* entry = nullptr;
            while (!entry || !Offered(entry->needs)) {
                int r = model.Below(totalWeight);
                entry = &table[0];
                while (r >= entry->weight)
                    r -= (entry++)->weight;
            }
            steps.push_back(entry->name);
            SCOPED_TRACE("seed " + std::to_string(seed) + ", step " + std::to_string(step) + ": " + steps.back());
            entry->run();
            if (!HasFailure())
                CheckAll();
            ++totalSteps;
        }
        if (HasFailure()) {
            std::ostringstream out;
            out << "seed " << seed << " failed at step " << steps.size() - 2
                << "; reproduce with DISHLINE_RANDOM_SEED=" << seed << " DISHLINE_RANDOM_SEEDS=1. Steps:\n";
            for (size_t i = 0; i < steps.size(); ++i)
                out << "  " << i << ": " << steps[i] << '\n';
            ADD_FAILURE() << out.str();
            break;
        }
    }
    std::cout << "[ random  ] " << seed - firstSeed << " seeds, " << totalSteps << " steps in "
              << clock.elapsed() / 1000.0 << " s\n";
    MessageBox::TakeShown();
    FileDialog::TakeShown();
}

} // namespace

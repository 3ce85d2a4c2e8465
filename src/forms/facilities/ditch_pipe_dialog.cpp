#include "forms/facilities/ditch_pipe_dialog.h"

#include "forms/facilities/schematics.h"
#include "forms/shell/twips.h"

namespace akuenza {

namespace {
const ColumnDialogDesign kDesign{
    "浸透側溝及び浸透管(浸透トレンチ)",
    {"浸透側溝", "浸透管(浸透トレンチ)"},
    {{'w', "巾　 Ｗ＝", "ｍ"}, {'h', "高さ Ｈ＝", "ｍ"}, {'l', "長さ Ｌ＝", "ｍ"}},
    5460,
    5640,
    2940,
};

// One type of side ditch or pipe: its boxes' fields and where its results go.
struct LinearKind {
    const char* widthBox;
    CaseField W, H, L;
    ResultFields results;
};

using D = DesignCase;
const LinearKind kKinds[] = {
    {"txt11w", &D::ditch1W, &D::ditch1H, &D::ditch1L,
     {&D::ditch1a, &D::ditch1b, nullptr, &D::ditch1Kf, &D::ditch1Qf, &D::ditch1Q, &D::ditch1Fc}},
    {"txt12w", &D::ditch2W, &D::ditch2H, &D::ditch2L,
     {&D::ditch2a, &D::ditch2b, nullptr, &D::ditch2Kf, &D::ditch2Qf, &D::ditch2Q, &D::ditch2Fc}},
    {"txt21w", &D::pipe1W, &D::pipe1H, &D::pipe1L,
     {&D::pipe1a, &D::pipe1b, nullptr, &D::pipe1Kf, &D::pipe1Qf, &D::pipe1Q, &D::pipe1Fc}},
    {"txt22w", &D::pipe2W, &D::pipe2H, &D::pipe2L,
     {&D::pipe2a, &D::pipe2b, nullptr, &D::pipe2Kf, &D::pipe2Qf, &D::pipe2Q, &D::pipe2Fc}},
};
} // namespace

Form14::Form14(App& app) : ColumnFacilityDialog(app, kDesign)
{
    setObjectName(QStringLiteral("Form14"));
    setWindowTitle(QStringLiteral("浸透側溝、管"));

    // One drawing above each column.
    auto* ditch = new SideDitchSchematic(this);
    ditch->setObjectName(QStringLiteral("ditchSchematic"));
    placeTwips(ditch, 120, 400, 2580, 2160);
    auto* pipe = new InfiltrationPipeSchematic(this);
    pipe->setObjectName(QStringLiteral("pipeSchematic"));
    placeTwips(pipe, 2760, 400, 2580, 2160);

    QLabel* heading = addLabel(this, "lblHeading", QStringLiteral("※使用する浸透施設"));
    makeGreen(heading);
    placeTwips(heading, 120, 2600, 2580, 300);
    placeTwips(addLabel(this, "lblSurface", QStringLiteral("浸透面　側面及び底面")), 2760, 2600, 2580, 300);

    txt11w = box("txt11w"), txt11h = box("txt11h"), txt11l = box("txt11l");
    txt12w = box("txt12w"), txt12h = box("txt12h"), txt12l = box("txt12l");
    txt21w = box("txt21w"), txt21h = box("txt21h"), txt21l = box("txt21l");
    txt22w = box("txt22w"), txt22h = box("txt22h"), txt22l = box("txt22l");
}

void Form14::Keisuu()
{
    readBoxes({{"txt11w", &D::ditch1W}, {"txt11h", &D::ditch1H}, {"txt11l", &D::ditch1L},
               {"txt12w", &D::ditch2W}, {"txt12h", &D::ditch2H}, {"txt12l", &D::ditch2L},
               {"txt21w", &D::pipe1W},  {"txt21h", &D::pipe1H},  {"txt21l", &D::pipe1L},
               {"txt22w", &D::pipe2W},  {"txt22h", &D::pipe2H},  {"txt22l", &D::pipe2L}});
}

void Form14::Keisan()
{
    DesignCase& rec = app().record;
    for (const LinearKind& k : kKinds)
        if (filled(k.widthBox))
            storeResults(rec, k.results, linearFacility(rec.*k.W, rec.*k.H), rec.*k.L);
}

std::vector<KeyBox> Form14::keyBoxes() const
{
    return {{txt11w, &D::ditch1Fc}, {txt12w, &D::ditch2Fc}, {txt21w, &D::pipe1Fc}, {txt22w, &D::pipe2Fc}};
}

} // namespace akuenza

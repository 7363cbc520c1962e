// The window frmTQ put together: every control with its place, look and start state, and the
// twelve timers. The shell wires the timers to their procedures when the window loads.
#include <string>

#include "game/facing.h"
#include "game/game.h"

namespace tq {
namespace {

// Layout pictures ship in the game folder's layout/ beside the generated ones.
constexpr const char* kParchment = "layout/parchment.bmp";

Control& Make(Control& c, Control& parent, const std::string& name, int index, ControlKind kind,
              int left, int top, int width, int height) {
  c.name = name;
  c.index = index;
  c.kind = kind;
  c.Left = left;
  c.Top = top;
  c.Width = width;
  c.Height = height;
  parent.Add(c);
  return c;
}

Font Lego(double points, bool bold) {
  return {"Lego", points, bold};
}
Font SmallFonts() {
  return {"Small Fonts", 6.75, true};
}
Font SansSerif(double points, bool bold) {
  return {"MS Sans Serif", points, bold};
}

Control& Frame(Control& c, Control& parent, const std::string& name, int l, int t, int w, int h,
               const std::string& caption) {
  Make(c, parent, name, -1, ControlKind::Frame, l, t, w, h);
  c.Caption = caption;
  c.BackColor = 0xC0C0C0;
  c.ForeColor = 0x000000;
  c.HasBorder = true;
  c.font = SmallFonts();
  return c;
}

Control& Label(Control& c, Control& parent, const std::string& name, int index, int l, int t, int w,
               int h, const std::string& caption, Font font) {
  Make(c, parent, name, index, ControlKind::Label, l, t, w, h);
  c.Caption = caption;
  c.font = std::move(font);
  c.Transparent = true;
  return c;
}

Control& Picture(Control& c, Control& parent, const std::string& name, int index, int l, int t,
                 int w, int h, const std::string& picture, bool stretch = true) {
  Make(c, parent, name, index, ControlKind::Image, l, t, w, h);
  c.Picture = picture;
  c.Stretch = stretch;
  return c;
}

// A grey line with a light one beside it, the etched rule that parts rows in a frame.
void EtchedLine(Control& dark, Control& light, Control& parent, const std::string& name, int x1,
                int y1, int x2, int y2) {
  const bool horizontal = y1 == y2;
  Make(dark, parent, name, -1, ControlKind::Line, x1, y1, 0, 0);
  dark.X2 = x2;
  dark.Y2 = y2;
  dark.ForeColor = 0x808080;
  dark.PenWidth = 2;
  Make(light, parent, name, -1, ControlKind::Line, x1 + (horizontal ? 0 : 10),
       y1 + (horizontal ? 15 : 0), 0, 0);
  light.X2 = x2 + (horizontal ? 0 : 10);
  light.Y2 = y2 + (horizontal ? 15 : 0);
  light.ForeColor = 0xE0E0E0;
}

const char* const kIntroStory =
    "TARVOQUEST  You are Tarvo,  brave hunter of your village. One day while you were out "
    "hunting, a swarm of Shadow Demons led by VEV, an evil ghost, besieged your village!  Worst "
    "of all your brother Rirezivi was captured  and taken to the Far North! Inacessable by foot or "
    "boat, the Far North is connected to the nearby forest, the Black Woods, by an ancient and "
    "magical ruinstone. This evil is very strong- to even hurt them you must use a weapon made of  "
    "SHADOW. Vev knew this and long ago divided a mighty sword into three parts and entrusted his "
    "fierce Black Knights to guard them in their underground dungeons.  Your quest will be most "
    "perilous  but  fear not Tarvo! Grab your hunting sword and set off to the Black Woods in "
    "search of items, clues, and the road to your brother!";

void BuildTitleScreen(Game& g) {
  Make(g.picSTART, g.frmTQ, "picSTART", -1, ControlKind::PictureBox, 120, 480, 6255, 5595);
  g.picSTART.BackColor = 0x000000;
  Picture(g.Image2, g.picSTART, "Image2", -1, 240, 240, 5775, 4950, "");
  Label(g.Label1, g.picSTART, "Label1", -1, 600, 600, 2535, 735, "Tarvoquest", Lego(12, true))
      .ForeColor = 0xFFC0C0;
  Label(g.Label2, g.picSTART, "Label2", -1, 600, 900, 2175, 375, "made anew for Linux",
        Lego(8.25, false))
      .ForeColor = 0xFF8080;
  Make(g.picSCROLL, g.picSTART, "picSCROLL", -1, ControlKind::PictureBox, 600, 1250, 1695, 2415);
  g.picSCROLL.Picture = "layout/scroll.bmp";
  Control& story = Label(g.lblSCROLL, g.picSCROLL, "lblSCROLL", -1, 0, 2400, 1695, 9120,
                         kIntroStory, Lego(8.25, false));
  story.ForeColor = 0xFFFFFF;
  story.Alignment = TextAlign::Center;
  story.WordWrap = true;
}

void BuildToolbar(Game& g) {
  Make(g.Picture2, g.frmTQ, "Picture2", -1, ControlKind::PictureBox, 120, -50, 6255, 510);
  struct Button {
    Control* c;
    const char* name;
    int left;
    bool enabled;
    const char* icon;
  };
  const Button buttons[] = {
      {&g.mnuNEW, "mnuNEW", 0, true, "MENU/NEW.ico"},
      {&g.mnuLOAD, "mnuLOAD", 600, true, "MENU/LOAD.ico"},
      {&g.mnuSAVE, "mnuSAVE", 1200, false, "MENU/NOsave.ico"},
      {&g.mnuNUM, "mnuNUM", 1800, true, "MENU/NUMBERS.ico"},
      {&g.mnuPAUSE, "mnuPAUSE", 2400, false, "MENU/NOpause.ico"},
      {&g.mnuEXIT, "mnuEXIT", 5760, true, "MENU/QUIT.ico"},
  };
  for (const Button& b : buttons) {
    Picture(*b.c, g.Picture2, b.name, -1, b.left, 50, 495, 495, b.icon).Enabled = b.enabled;
  }
  g.mnuPAUSE.Tag = "Pause";
  Picture(g.imgMAP1, g.Picture2, "imgMAP1", -1, 3000, 10, 495, 495, "layout/mapopen.bmp");
  Picture(g.imgMAP2, g.Picture2, "imgMAP2", -1, 3000, 35, 495, 495, "layout/mapclose.bmp").Visible =
      false;
}

void BuildPlayField(Game& g) {
  Frame(g.Frame1, g.frmTQ, "Frame1", 120, 480, 4025, 4630, "");
  const int lefts[5] = {120, 870, 1625, 2375, 3125};
  const int tops[5] = {240, 1080, 1920, 2760, 3600};
  for (int k = 0; k < 25; ++k) {
    Control& cell = Make(g.IMGgrid[k], g.Frame1, "IMGgrid", k, ControlKind::PictureBox,
                         lefts[k % 5], tops[k / 5], 750, 870);
    Picture(g.imgRAIN[k], cell, "imgRAIN", k, 0, k == 0 ? 45 : 0, 720, 735, "").Visible = false;
  }
  Control& paused = Label(g.LBLpause, g.IMGgrid[kHeroCell], "LBLpause", -1, 0, 240, 735, 255,
                          "PAUSED", SansSerif(8.25, true));
  paused.Alignment = TextAlign::Center;
  paused.Visible = false;
}

void BuildStats(Game& g) {
  Frame(g.Frame2, g.frmTQ, "Frame2", 4320, 510, 2055, 2055, "STATS");
  struct Row {
    int icon, iconTop, bar, barLeft, barTop, number, numberTop;
    Color box;
    const char* caption;
  };
  const Row rows[] = {
      {7, 240, 0, 450, 240, 1, 240, 0x000080, "10"},
      {6, 540, 1, 450, 540, 2, 540, 0x800000, "10"},
      {2, 840, 4, 450, 840, 4, 840, 0x004000, "10"},
      {1, 1165, 3, 450, 1150, 3, 1150, 0x000000, "10"},
      {0, 1680, 2, 2200, 2200, 0, 1680, 0x004040, "0"},
  };
  for (const Row& r : rows) {
    Picture(g.imgSCRN[r.icon], g.Frame2, "imgSCRN", r.icon, 120, r.iconTop, 225, 225, "");
    Control& box = Make(g.Picture1[r.bar], g.Frame2, "Picture1", r.bar, ControlKind::PictureBox,
                        r.barLeft, r.barTop, 1500, 255);
    box.BackColor = r.box;
    Picture(g.imgBAR[r.bar], box, "imgBAR", r.bar, 0, 0, 1440, 210,
            "layout/bar" + std::to_string(r.bar) + ".bmp");
  }
  // Fixed row icons; the life, strength and points icons are loaded by the main tick.
  g.imgSCRN[0].Picture = "layout/goldicon.bmp";
  g.imgSCRN[1].Picture = "layout/enemyicon.bmp";
  for (const Row& r : rows) {
    const int width = r.number == 0 ? 495 : 1455;
    Control& n = Label(g.lblHP[r.number], g.Frame2, "lblHP", r.number, 480, r.numberTop, width, 255,
                       r.caption, Lego(9.75, true));
    n.Visible = false;
  }
  Picture(g.imgMONEYBAG, g.Frame2, "imgMONEYBAG", -1, 1500, 1590, 375, 405, "layout/moneybag.bmp");
  g.imgMONEYBAG.Visible = false;
  g.imgMONEYBAG.Tag = "magic bag - gold max: 500";
  EtchedLine(g.statsLine[0], g.statsLine[1], g.Frame2, "Line1", 0, 1560, 2055, 1560);
  EtchedLine(g.statsLine[2], g.statsLine[3], g.Frame2, "Line2", 1310, 1560, 1310, 2030);
}

void BuildItems(Game& g) {
  Frame(g.FraTOOLS, g.frmTQ, "FraTOOLS", 4320, 2640, 2055, 2535, "ITEMS");
  struct Slot {
    int index, left, top, width, height;
    const char* picture;
  };
  const Slot slots[] = {
      {0, 150, 240, 495, 495, "Icons/PIECE0.bmp"},
      {1, 1440, 240, 495, 495, "layout/shield.bmp"},
      {2, 150, 840, 495, 495, ""},
      {5, 824, 840, 495, 495, "layout/fishbook.bmp"},
      {4, 1440, 840, 495, 495, "layout/glove.bmp"},
      {9, 150, 1440, 495, 495, ""},
      {3, 825, 1440, 495, 495, ""},
      {6, 150, 2200, 375, 165, "layout/goldkey.bmp"},
      {7, 825, 2200, 375, 165, "layout/redkey.bmp"},
      {8, 1440, 2200, 375, 165, "layout/purplekey.bmp"},
  };
  for (const Slot& s : slots) {
    Picture(g.imgTOOL[s.index], g.FraTOOLS, "imgTOOL", s.index, s.left, s.top, s.width, s.height,
            s.picture)
        .Visible = s.index == 0;
  }
  Picture(g.imgSWORD, g.FraTOOLS, "imgSWORD", -1, 780, 240, 495, 495, "layout/sword.bmp");
  Picture(g.imgSHIRT, g.FraTOOLS, "imgSHIRT", -1, 1425, 1440, 545, 585, "layout/shirt.bmp")
      .Visible = false;
  EtchedLine(g.keysLine[0], g.keysLine[1], g.FraTOOLS, "Line3", 0, 2040, 2055, 2040);
  Label(g.Label5, g.FraTOOLS, "Label5", -1, 120, 1950, 495, 195, "KEYS", SmallFonts());
}

void BuildMaps(Game& g) {
  Frame(g.fraMAP, g.frmTQ, "fraMAP", 120, 480, 4020, 4650, "").Visible = false;
  Picture(g.Image3, g.fraMAP, "Image3", -1, 480, 480, 3015, 2895, kParchment);
  Label(g.Label4, g.fraMAP, "Label4", -1, 1080, 240, 1695, 255, "BLACK WOODS",
        SansSerif(8.25, true))
      .Alignment = TextAlign::Center;
  for (int i = 0; i < 100; ++i) {
    Picture(g.imgMAP[i], g.fraMAP, "imgMAP", i, 720 + 240 * (i % 10), 720 + 240 * (i / 10), 255,
            255, "")
        .Visible = false;
    g.imgMAP[i].Tag = "house";
  }
  Picture(g.imgTARVOLOC, g.fraMAP, "imgTARVOLOC", -1, 3120, 3000, 255, 255, "layout/marker.bmp")
      .Visible = false;
  Control& explored = Label(g.lblEXPLORE, g.fraMAP, "lblEXPLORE", -1, 600, 3440, 2775, 255,
                            "You have explored 0%", Lego(8.25, true));
  explored.Alignment = TextAlign::Center;
  Label(g.Label3[0], g.fraMAP, "Label3", 0, 120, 3720, 3735, 855,
        "Areas that you have already explored will be drawn in on your map. Use this to find your "
        "way around the Black Woods much faster.",
        Lego(8.25, true));

  Frame(g.fraUNDERGROUND, g.fraMAP, "fraUNDERGROUND", 0, 0, 4020, 4650, "").Visible = false;
  Picture(g.Image5, g.fraUNDERGROUND, "Image5", -1, 480, 480, 3015, 2895, kParchment);
  Label(g.Label7, g.fraUNDERGROUND, "Label7", -1, 1080, 240, 1695, 255, "UNDERGROUND",
        SansSerif(8.25, true))
      .Alignment = TextAlign::Center;
  for (int i = 100; i < 200; ++i) {
    Picture(g.imgMAP[i], g.fraUNDERGROUND, "imgMAP", i, 720 + 240 * (i % 10),
            720 + 240 * ((i % 100) / 10), 255, 255, "")
        .Visible = false;
    g.imgMAP[i].Tag = "house";
  }
  Picture(g.imgTARVOUNDER, g.fraUNDERGROUND, "imgTARVOUNDER", -1, 2880, 2880, 255, 255,
          "layout/markerunder.bmp");
  Label(g.Label3[1], g.fraUNDERGROUND, "Label3", 1, 120, 3600, 3735, 855,
        "These show secret caverns and hideouts that you've found so far. Use ladders to get back "
        "to the surface- Key Dungeons are not on here.",
        Lego(8.25, true));
  for (Control* c : {&g.Label3[0], &g.Label3[1]}) {
    c->Alignment = TextAlign::Center;
    c->WordWrap = true;
  }
}

void BuildMessages(Game& g) {
  Frame(g.fraTALK, g.frmTQ, "fraTALK", 120, 5160, 6255, 1035, "MESSAGES");
  Picture(g.Image1, g.fraTALK, "Image1", -1, 60, 180, 6120, 735, kParchment);
  const char* first = "Armed with your hunting sword, you set out to find your captured brother!";
  for (Control* c : {&g.shadowmessage, &g.lblMESSAGE}) {
    const bool shadow = c == &g.shadowmessage;
    Label(*c, g.fraTALK, shadow ? "shadowmessage" : "lblMESSAGE", -1, 240, shadow ? 240 : 210,
          shadow ? 5835 : 5850, 615, first, Lego(8.25, true));
    c->ForeColor = shadow ? 0x000000 : 0xFFFFFF;
    c->Alignment = TextAlign::Center;
    c->WordWrap = true;
  }
}

}  // namespace

Game::Game(const GameServices& s)
    : clock(*s.clock),
      scheduler(*s.clock),
      rnd(*s.clock),
      MM1(*s.mm1),
      MM2(*s.mm2),
      MM3(*s.mm3),
      programFolder(s.programFolder),
      tmrANIMATE(scheduler, "tmrANIMATE", 200, true),
      tmrSHADOW(scheduler, "tmrSHADOW", 50, true),
      tmrscroll(scheduler, "tmrscroll", 500, true),
      tmrBEGIN(scheduler, "tmrBEGIN", 200, false),
      tmrPAUSE(scheduler, "tmrPAUSE", 100, false),
      timerMAP(scheduler, "timerMAP", 200, false),
      tmrATTACK(scheduler, "tmrATTACK", 50, false),
      tmrBREAK(scheduler, "tmrBREAK", 100, false),
      tmrGUYHIT(scheduler, "tmrGUYHIT", 100, false),
      tmrSHIELD(scheduler, "tmrSHIELD", 200, false),
      tmrRAIN(scheduler, "tmrRAIN", 100, false),
      tmrEND(scheduler, "tmrEND", 4500, false) {
  frmTQ.name = "frmTQ";
  frmTQ.kind = ControlKind::Form;
  frmTQ.Width = 6480;
  frmTQ.Height = 6285;
  frmTQ.BackColor = 0x000000;
  frmTQ.Caption = "Tarvoquest - a hunter's tale for Linux";

  // Drawing order: the play field, stats and items, then the map over the play field, the title
  // screen over all of those, the message area and the toolbar.
  // Under the title screen's lower edge a message shown there (a NEW or LOAD refused for
  // a damaged file) could not be read, so the message area lies above it.
  BuildPlayField(*this);
  BuildStats(*this);
  BuildItems(*this);
  BuildMaps(*this);
  BuildTitleScreen(*this);
  BuildMessages(*this);
  BuildToolbar(*this);
  Make(lblROOM, frmTQ, "lblROOM", -1, ControlKind::Label, 4080, 1320, 375, 375);
  lblROOM.Caption = "50";
  lblROOM.font = SansSerif(13.5, true);
  lblROOM.Alignment = TextAlign::Center;
  lblROOM.Visible = false;
  Make(pic1, frmTQ, "pic1", -1, ControlKind::PictureBox, 6480, 5880, 100, 100);
  focus = &pic1;  // first in the tab order
}

}  // namespace tq

#include "app/layout.h"

namespace plenvik {

namespace {
const QColor none;
using K = ControlKind;
using T = Tint;
constexpr Face A = Face::Arial;
constexpr Face M = Face::MsSansSerif;
constexpr Face C = Face::ComicSansMs;
const QColor grey128(128, 128, 128);

// clang-format off
const ControlSpec kControls[] = {
  // name          kind          left top  w    h      background          foreground        tint       face pt    bold   italic text                            tooltip                                       visible
  {"BackPic",     K::Panel,     {8,   8,   355, 534}, grey128,            none,             T::Fixed,   M, 0,    false, false, "",                             nullptr,                                      true},
  {"Pic",         K::Canvas,    {14,  14,  341, 521}, {255, 255, 255},    none,             T::Fixed,   M, 0,    false, false, "",                             nullptr,                                      true},
  {"HelpLabel",   K::Label,     {14,  14,  341, 521}, {230, 230, 190},    {110, 90, 90},    T::Fixed,   A, 9,    false, true,  "",                             nullptr,                                      false},
  {"BackPalet",   K::Panel,     {370, 8,   71,  124}, {192, 192, 192},    none,             T::Fixed,   M, 0,    false, false, "",                             nullptr,                                      true},
  {"ScrollR",     K::ScrollBar, {372, 10,  22,  120}, none,               none,             T::Fixed,   M, 0,    false, false, "",                             nullptr,                                      true},
  {"ScrollG",     K::ScrollBar, {394, 10,  22,  120}, none,               none,             T::Fixed,   M, 0,    false, false, "",                             nullptr,                                      true},
  {"ScrollB",     K::ScrollBar, {416, 10,  22,  120}, none,               none,             T::Fixed,   M, 0,    false, false, "",                             nullptr,                                      true},
  {"RGBLabel",    K::Panel,     {448, 8,   70,  70},  none,               none,             T::Panel,   M, 0,    false, false, "",                             nullptr,                                      true},
  {"LabelR",      K::Label,     {456, 16,  0,   0},   none,               {255, 0, 0},      T::Fixed,   M, 9.75, true,  false, "R : 0",                        nullptr,                                      true},
  {"LabelG",      K::Label,     {456, 36,  0,   0},   none,               {0, 128, 0},      T::Fixed,   M, 9.75, true,  false, "G : 0",                        nullptr,                                      true},
  {"LabelB",      K::Label,     {457, 56,  0,   0},   none,               {0, 0, 192},      T::Fixed,   M, 9.75, true,  false, "B : 0",                        nullptr,                                      true},
  {"Label2",      K::Label,     {450, 82,  0,   0},   none,               grey128,          T::Fixed,   M, 0,    false, false, QT_TRANSLATE_NOOP("Window", "Kleur kaders"),                 nullptr,                                      true},
  {"KleurLabel",  K::Panel,     {448, 106, 70,  26},  none,               none,             T::Drawing, M, 0,    false, false, "",                             nullptr,                                      true},
  {"List1",       K::List,      {370, 140, 148, 199}, none,               none,             T::Panel,   M, 0,    false, false, "",                             QT_TRANSLATE_NOOP("Window", " Dubbelklik is supplement laden "),           true},
  {"Label1",      K::Panel,     {370, 344, 148, 28},  {64, 64, 64},       none,             T::Fixed,   M, 0,    false, false, "",                             nullptr,                                      true},
  {"DelKnop",     K::Button,    {372, 346, 144, 24},  {192, 192, 255},    none,             T::Fixed,   M, 0,    false, false, QT_TRANSLATE_NOOP("Window", "Delete Supplement"),            nullptr,                                      true},
  {"Label6",      K::Label,     {503, 370, 0,   0},   none,               grey128,          T::Fixed,   M, 9.75, true,  false, "0",                            nullptr,                                      true},
  {"BackLoep",    K::Panel,     {370, 390, 116, 116}, grey128,            none,             T::Fixed,   M, 0,    false, false, "",                             nullptr,                                      true},
  {"LogoImage",   K::Logo,      {374, 394, 107, 107}, none,               none,             T::Fixed,   M, 0,    false, false, "",                             nullptr,                                      true},
  {"LoepPic",     K::Magnifier, {374, 394, 107, 107}, none,               none,             T::Fixed,   M, 0,    false, false, "",                             nullptr,                                      true},
  {"Label5",      K::Panel,     {496, 390, 22,  116}, grey128,            none,             T::Fixed,   M, 0,    false, false, "",                             nullptr,                                      true},
  {"LoepScroll",  K::ScrollBar, {498, 392, 18,  112}, none,               none,             T::Fixed,   M, 0,    false, false, "",                             nullptr,                                      true},
  {"Label7",      K::Label,     {373, 508, 0,   0},   none,               grey128,          T::Fixed,   M, 0,    false, false, QT_TRANSLATE_NOOP("Window", "Vergroting supplement"),        nullptr,                                      true},
  {"Label4",      K::Label,     {373, 529, 0,   0},   none,               grey128,          T::Fixed,   M, 0,    false, false, QT_TRANSLATE_NOOP("Window", "Coordinaten  A4 (210 x 297)"),  nullptr,                                      true},
  {"Label3",      K::Panel,     {370, 548, 148, 24},  {180, 180, 180},    none,             T::Fixed,   M, 0,    false, false, "",                             nullptr,                                      true},
  {"XYlabel",     K::Label,     {378, 552, 0,   0},   none,               {64, 64, 64},     T::Fixed,   M, 9.75, true,  false, "X = 0 / Y = 0",                nullptr,                                      true},
  {"BackInfo",    K::Panel,     {8,   548, 355, 24},  none,               none,             T::Panel,   M, 0,    false, false, "",                             nullptr,                                      true},
  {"InfoLabel",   K::Label,     {14,  552, 0,   0},   none,               {64, 64, 64},     T::Fixed,   M, 9.75, true,  false, QT_TRANSLATE_NOOP("Window", "Informatie..."),                nullptr,                                      true},
  {"KlokLabel",   K::Label,     {322, 552, 0,   0},   none,               {100, 100, 120},  T::Fixed,   M, 9.75, true,  false, "00:00",                        nullptr,                                      true},
  {"Label8",      K::Panel,     {526, 8,   361, 564}, {190, 190, 180},    none,             T::Fixed,   M, 0,    false, false, "",                             nullptr,                                      true},
  {"Text1",       K::Text,      {538, 18,  338, 548}, {190, 190, 180},    {120, 120, 120},  T::Fixed,   C, 9.75, true,  false, "",                             QT_TRANSLATE_NOOP("Window", " Gemaakte coordinaten van het supplement "),  true},
};
// clang-format on
} // namespace

std::span<const ControlSpec> mainWindowControls()
{
    return kControls;
}

} // namespace plenvik

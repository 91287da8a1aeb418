#include "app/main_texts.h"

namespace blivo {

namespace {

struct Pair {
  const char* german;
  const char* english;
};

const char* Pick(bool german, Pair p) { return german ? p.german : p.english; }

constexpr Pair kRules[4] = {
    {"Drehe die schwarzen GRIPPLE-Teller.\rStelle die rechts gezeigteOrdnung her.",
     "Rotate the black GRIPPLE-plates.\rTry to build the pattern shown right."},
    {"Drehe jeweils sechs Linsen des HEXAGONs\rbis die Farben der Linsen und der\r"
     "Hexagonsektoren übereinstimmen.",
     "Rotate every six pills of the HEXAGON\runtil the color of the pills fits to\r"
     "the color of the ground."},
    {"Drehe die OKTOPUS-Scheiben.\rKnöpfe, die nebeneinander liegen,\r"
     "müssen die gleiche Farbe haben.",
     "Rotate the OKTOPUS-plates.\rButtons, which lay next to each\rother, must have the same color."},
    {"Rolle die Kugeln in den WEDDING-Ringen.\rStelle die rechts oben gezeigte Ordnung her.",
     "Roll the balls in the WEDDING-rings.\rTry to build the pattern shown right."},
};

}  // namespace

MainTexts MainWindowTexts(bool german, int puzzleMode, bool soundOn, bool musicOn) {
  MainTexts t;
  t.mix = Pick(german, {"Ich fang neu an.", "I start again."});
  t.option = Pick(german, {"Gibts da kein anderes Muster?", "Are there any more patterns?"});
  t.pause = Pick(german, {"Ich brauch eine kurze Pause.", "I need a break."});
  // The sound and music hints say what a click will do.
  t.sound = soundOn ? Pick(german, {"Ich schalte die Geräusche lieber aus.",
                                    "I like it without sound-effects."})
                    : Pick(german, {"Ohne Geräusche ist es doch etwas fad.",
                                    "Without sound ist is boring."});
  t.midi = musicOn ? Pick(german, {"Ohne Musik ist es mir lieber.", "I don't like the music now."})
                   : Pick(german, {"Ich mag die Musik.", "Ich like the music."});
  t.highscore = Pick(german, {"Wer sind die Besten?", "Who is the best?"});
  t.exit = Pick(german, {"Ich hab genug!", "That's enough for now!"});
  t.gripple = Pick(german, {"Jetzt spiel ich eine Runde GRIPPLE.", "A lap GRIPPLE for me."});
  t.hexagon = Pick(german, {"Jetzt knack ich schnell das HEXAGON.", "I quickly solve the HEXAGON."});
  t.oktopus = Pick(german, {"Nach OKTOPUS steht mir der Sinn.", "OPTOPUS is, what I like now."});
  t.wedding = Pick(german, {"WEDDING wartet schon auf mich.", "WEDDING waits for me."});
  t.timeLabel = Pick(german, {"Zeit:", "Time:"});
  // The language button offers the other language, in that language.
  t.tongue = Pick(german, {"I don't speak german.", "Ich spreche nicht englisch."});
  t.help = Pick(german, {"Ich laß mir unter die Arme greifen.", "I need help."});
  t.info = Pick(german, {"Wer hat diese Spiele nur verbrochen?", "Who's the BLIVO GAMES inventor?"});
  t.blivo = Pick(german, {"Hurra, es gibt noch mehr Blivo Games.", "Hurrah, there are more BLIVO GAMES."});
  t.rules = Pick(german, kRules[puzzleMode & 3]);
  t.caption = "Blivo Turnix V1.6";
  return t;
}

}  // namespace blivo

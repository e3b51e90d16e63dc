// The sound channels: which file each one starts with, and the orders of
// commands with which the game plays, switches and stops them.
#include "form/frmZirimbo2012.h"

namespace zirimbo {

void frmZirimbo2012::GiveSoundChannelsTheirFiles() {
    mmcBob.FileName = GamePath("\\Bob\\01B1.wav");
    mmcCarla.FileName = GamePath("\\Carla\\01C1.wav");
    mmcDado.FileName = GamePath("\\Rumori\\Dado.wav");
    mmcDemoMid.FileName = GamePath("\\Musiche\\Demo.mid");
    mmcDeng.FileName = GamePath("\\Rumori\\DENG.wav");
    mmcEsceRosso.FileName = GamePath("\\Rumori\\Plauso.WAV");
    mmcGiorgetto.FileName = GamePath("\\Giorgetto\\05G7.wav");
    mmcMossa.FileName = GamePath("\\Rumori\\Mossa.WAV");
    mmcMusiche.FileName = GamePath("\\Musiche\\1a.mid");
    mmcPedina.FileName = GamePath("\\Rumori\\Pedina.WAV");
    mmcSfoglia.FileName = GamePath("\\Rumori\\Sfoglia.WAV");
    mmcTic.FileName = GamePath("\\Rumori\\Tic.WAV");
    mmcVinceRosso.FileName = GamePath("\\Rumori\\Vittoria.WAV");
}

void frmZirimbo2012::ReplayEffectAlways(SoundChannel& ch) {
    ch.Command = "Open";
    ch.Command = "Prev";
    ch.Command = "Play";
}

void frmZirimbo2012::ReplayEffect(SoundChannel& ch) {
    if (OptionOn(Option::Effects)) ReplayEffectAlways(ch);
}

void frmZirimbo2012::SwitchChannelFile(SoundChannel& ch, const std::string& relativePath) {
    ch.Command = "Prev";
    ch.Command = "Close";
    ch.FileName = GamePath(relativePath);
}

void frmZirimbo2012::StartChannel(SoundChannel& ch) {
    ch.Command = "Open";
    ch.Command = "Play";
}

void frmZirimbo2012::StopChannel(SoundChannel& ch) {
    ch.Command = "Prev";
    ch.Command = "Close";
}

void frmZirimbo2012::ReplayLoadedPiece(SoundChannel& ch) {
    StopChannel(ch);
    StartChannel(ch);
}

void frmZirimbo2012::SpeakLine(SoundChannel& voice, const std::string& relativePath) {
    SwitchChannelFile(voice, relativePath);
    if (OptionOn(Option::Voices)) StartChannel(voice);
}

}  // namespace zirimbo

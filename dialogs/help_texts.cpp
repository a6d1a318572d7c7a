#include "dialogs/help_texts.h"

namespace scrubwell {

#define BACKUP_CLOSING                                                                                                 \
    "Professional sound editors may spend many hours cleaning up each section of a recording. This\r\n"                \
    "tool tries to make the job as easy and automatic as possible, but you will often need to\r\n"                     \
    "experiment to get the best results. Back up your file often, so that you can always go back\r\n"                  \
    "to a previous version.\r\n"

#define TUTORIALS_LINE "For more information, please go to our tutorials section at :"

const char kPopClickHelpText[]
    = "Pops and clicks are short bursts of noise. On records they come from scratches, dust and dirt\r\n"
      "in the grooves and from wear; in live recordings from sudden loud noises, such as a microphone\r\n"
      "being bumped; on tapes from worn or damaged tape. This tool finds these bursts and removes\r\n"
      "them from your recording.\r\n"
      "\r\n"
      "Please make a backup copy of your file before you use this tool: the editor offers only one\r\n"
      "level of undo, so an earlier version may be hard to get back.\r\n"
      "\r\n"
      "The slider sets how aggressive the removal is. Near the bottom only the most severe clicks are\r\n"
      "removed; towards the top, much less severe ones are removed as well. Use as low a position as\r\n"
      "you can, because removing clicks always costs a little of the sound quality, even where there\r\n"
      "was nothing wrong with the sound.\r\n"
      "\r\n"
      "Apply the tool only to the parts of the recording that have clicks: select those parts first.\r\n"
      "Every recording is different, so experiment with the slider until you find the setting that\r\n"
      "works best for yours.\r\n"
      "\r\n"
      "Some clicks cannot be removed this way. For those, magnify the view around the click and look\r\n"
      "for a very steep change in the waveform: a sudden spike up or down. Select just that spike, a\r\n"
      "tiny section of a few samples, and cut it out; a gap that short cannot be heard in most\r\n"
      "recordings.\r\n"
      "\r\n" BACKUP_CLOSING "\r\n" TUTORIALS_LINE;

const char kHumHelpText[]
    = "Hum from power supplies is well known to sound engineers, who go to great lengths to keep it\r\n"
      "out of their recordings. This tool is for the recordings that already have it: a low, steady\r\n"
      "drone at the frequency of the mains power.\r\n"
      "\r\n"
      "Technically, the tool is a notch filter: it completely removes the sound in a narrow band of\r\n"
      "frequencies around the mains frequency and leaves the rest alone. Please make a backup copy\r\n"
      "of your file before you use it: the editor offers only one level of undo, so an earlier\r\n"
      "version may be hard to get back.\r\n"
      "\r\n"
      "In North America the mains power is almost certainly 60 Hz. In Europe and much of Asia it is\r\n"
      "usually 50 Hz. If you are not sure where a recording was made, try both settings and keep the\r\n"
      "one that removes the hum. If neither setting works, use the editor's separate Notch Filter\r\n"
      "effect on its Effects menu, which lets you set the frequency yourself and remove hum at any\r\n"
      "frequency.\r\n"
      "\r\n" BACKUP_CLOSING "\r\n" TUTORIALS_LINE;

const char kHissHelpText[]
    = "Hiss and crackling have many sources: tape, old electronics, noisy microphones and cheap\r\n"
      "recording equipment among them. This tool removes many kinds of high-pitched noise. Please make\r\n"
      "a backup copy of your file before you use it: the editor offers only one level of undo, so an\r\n"
      "earlier version may be hard to get back.\r\n"
      "\r\n"
      "The hiss remover is a special-purpose version of the editor's 10 band equalizer, set up to\r\n"
      "remove high frequencies. Lower slider positions remove less of the sound, higher positions\r\n"
      "remove more. Try several settings and listen to the result each time before you decide on\r\n"
      "one.\r\n"
      "\r\n"
      "Some sections of a recording need more processing than others. Hiss is most noticeable in\r\n"
      "the quiet passages, so select each section in turn and find the setting that suits it\r\n"
      "best.\r\n"
      "\r\n" BACKUP_CLOSING "\r\n" TUTORIALS_LINE;

const char kNoiseGateHelpText[]
    = "Very noisy recordings respond better to a higher amount of reduction. Recordings that have\r\n"
      "only a little noise, most of it in the quiet parts, sound best with a lower setting, which\r\n"
      "leaves more of the original sound.\r\n"
      "\r\n"
      "Apply the tool only to the troublesome sections of the recording, and experiment with the\r\n"
      "setting for each recording until you find the one that sounds best.\r\n"
      "\r\n" TUTORIALS_LINE;

} // namespace scrubwell

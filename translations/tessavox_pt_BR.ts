<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AboutTexts</name>
    <message>
        <source>Version: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AudioBackend</name>
    <message>
        <source>The command completed successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unspecified error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device number is out of range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device is not enabled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device is already in use.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device handle is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound server or driver is available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device does not support this operation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An argument is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The device cannot use this sound format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buffers are still queued on the device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The buffer is not prepared.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tessavox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAudioPlayRec</name>
    <message>
        <source>Class status error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waveOutOpen() failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read sound data from file failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waveOutPrepareHeader() failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waveOutWrite() failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waveOutUnprepareHeader() failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waveOutClose() failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error audio device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waveInReset() failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waveOutReset() failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback device failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waveInStart() failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AddInputBufferToQueue Failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waveInAddBuffer() failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waveInUnprepareHeader() failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waveInPrepareHeader() failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>waveInClose() failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording device failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the recorder is busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the device failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CClipFlag</name>
    <message>
        <source>The %1 channel clipped: click to clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 channel has not clipped</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogAbout</name>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WebSite:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogRecord</name>
    <message>
        <source>Initialize callback device failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono Mixer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stereo Mixer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Single Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be monitored: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitoring of &quot;%1&quot; stopped: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The audio device is now &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone; no audio device is left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone; the audio device is now &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitoring stopped: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open file to play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> New file every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New file every</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Add date and time to the name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File type:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound-activated recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Skip silence</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silence below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> dBFS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silence after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> New file for each sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>after</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio Capture Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line in volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits per sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Monitor input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits per sample:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio device:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave in device:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Room for %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDialogSchedule</name>
    <message>
        <source> Enable scheduled task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Start time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Once</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Start Tessavox when I log in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Duration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheduled Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Warn me when the input is silent for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silent for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Keep takes for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep takes for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> days</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLevelMeter</name>
    <message>
        <source>%1 clipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Silence below %1 dBFS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: below -60 dBFS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 dBFS, peak held at %3 dBFS</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CScheduleRun</name>
    <message>
        <source>Please check duration time in schedule panel, it&apos;s incorrect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please check time setting in schedule panel, it&apos;s incorrect.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your recording will be started at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your recording will be ended at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>started late: it was due at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording planned from %1 to %2 was not made: Tessavox was not running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording planned from %1 to %2 was not made: the computer was asleep, or its clock was set, past its end.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheduled recording failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheduled recording started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheduled recording finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheduled recording will not fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording planned from %1 to %2 will not fit on the disk: there is room for %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to schedule it anyway?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound from %1 for 1 minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound from %1 for %2 minutes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTessavoxDlg</name>
    <message>
        <source>Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for a scheduled recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size: 0KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size: 4194303KB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time: 00:00:00</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Tessavox...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved settings could not be read; the first-start settings are shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the audio save path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please tick &quot; Start time:&quot; to repeat a recording.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exist.
Do you want to replace them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound came: no file was made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessavox is already recording.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessavox is playing a file; stop it first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessavox is still closing the last recording; try again in a moment.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessavox is waiting for an answer in its window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The command was not carried out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped: the disk is nearly full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording stopped: the disk is nearly full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessavox is still running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording goes on. Choose &quot;Show Tessavox&quot; from its icon to see the window again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scheduled recording will start as planned. Choose &quot;Show Tessavox&quot; from its icon to see the window again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <source>Recording %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paused %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next recording at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Tessavox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessavox</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unknown option: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one of --record, --stop and --pause can be given at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: tessavox [--minimized] [--record | --stop | --pause] [--help | --version]
Records the sound card to WAV or MP3 files. Without an option it opens its window,
or raises the one already open.

  --minimized  open the window minimised, or in the panel&apos;s icon where the
               desktop has one, keeping a saved schedule armed
  --record     press Record in the open window, opening one first if none is
  --stop       press Stop in the open window
  --pause      press Pause (or Resume) in the open window
  --help       print this help and exit
  --version    print the version and exit

A command exits with 0 when done, 1 when refused (saying why), 2 for a usage error.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Decoder</name>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a FLAC stream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 channels; only mono and stereo are played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no MPEG audio frames found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not an Ogg Opus stream</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an Ogg Opus version that is not known</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its Opus header is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its stream is damaged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be decoded (error %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot play %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open wave file failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error descending into file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error descending in wave file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error ascending in File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>error reading data chunk</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ElapsedDisplay</name>
    <message>
        <source>Time: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size: %1KB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>mp3 files(*.mp3)|*.mp3||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MP3 files(*.mp3)|*.mp3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wav files(*.wav)|*.wav|wave files(*.wave)|*.wave||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wave files(*.wav)|*.wav</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>flac files(*.flac)|*.flac||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FLAC files(*.flac)|*.flac</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opus files(*.opus)|*.opus||</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opus files(*.opus)|*.opus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound files (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HandOver</name>
    <message>
        <source>Tessavox is not running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessavox is not running, or cannot be reached: there is no session bus.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessavox is running but did not answer: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write file failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot record %1 bits %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot record %1 Hz %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error loading lame_enc.DLL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to get LAME interfaces</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error opening encoding stream (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m_ForMp3_Proc_hEncodeChunk() failed (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output file write error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beExitStream failed (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error creating file %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open wave file failed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PulseStream</name>
    <message>
        <source>Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playback</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Room</name>
    <message>
        <source>less than a minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about 1 day %1 h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about 1 day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 days %2 h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 days</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>its answer was not whether the command was done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TakeReport</name>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of sound in %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, 1 break in the sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 breaks in the sound</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TracePicture</name>
    <message>
        <source>Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

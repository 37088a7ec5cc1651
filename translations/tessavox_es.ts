<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutTexts</name>
    <message>
        <source>Version: %1</source>
        <translation>Versión: %1</translation>
    </message>
</context>
<context>
    <name>AudioBackend</name>
    <message>
        <source>The command completed successfully.</source>
        <translation>La orden se completó correctamente.</translation>
    </message>
    <message>
        <source>Unspecified error.</source>
        <translation>Error no especificado.</translation>
    </message>
    <message>
        <source>The device number is out of range.</source>
        <translation>El número de dispositivo está fuera de rango.</translation>
    </message>
    <message>
        <source>The device is not enabled.</source>
        <translation>El dispositivo no está activado.</translation>
    </message>
    <message>
        <source>The device is already in use.</source>
        <translation>El dispositivo ya está en uso.</translation>
    </message>
    <message>
        <source>The device handle is not valid.</source>
        <translation>El identificador del dispositivo no es válido.</translation>
    </message>
    <message>
        <source>No sound server or driver is available.</source>
        <translation>No hay ningún servidor de sonido ni controlador disponible.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>No hay memoria suficiente.</translation>
    </message>
    <message>
        <source>The device does not support this operation.</source>
        <translation>El dispositivo no admite esta operación.</translation>
    </message>
    <message>
        <source>An argument is not valid.</source>
        <translation>Un argumento no es válido.</translation>
    </message>
    <message>
        <source>The device cannot use this sound format.</source>
        <translation>El dispositivo no puede usar este formato de sonido.</translation>
    </message>
    <message>
        <source>Buffers are still queued on the device.</source>
        <translation>Todavía hay búferes en la cola del dispositivo.</translation>
    </message>
    <message>
        <source>The buffer is not prepared.</source>
        <translation>El búfer no está preparado.</translation>
    </message>
    <message>
        <source>Unknown error %1.</source>
        <translation>Error desconocido %1.</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>No se puede eliminar %1: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>No se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tessavox</source>
        <translation>Acerca de Tessavox</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>CAudioPlayRec</name>
    <message>
        <source>Class status error</source>
        <translation>Error de estado de la clase</translation>
    </message>
    <message>
        <source>waveOutOpen() failed</source>
        <translation>Falló waveOutOpen()</translation>
    </message>
    <message>
        <source>Read sound data from file failed</source>
        <translation>No se pudieron leer los datos de sonido del archivo</translation>
    </message>
    <message>
        <source>waveOutPrepareHeader() failed</source>
        <translation>Falló waveOutPrepareHeader()</translation>
    </message>
    <message>
        <source>waveOutWrite() failed</source>
        <translation>Falló waveOutWrite()</translation>
    </message>
    <message>
        <source>waveOutUnprepareHeader() failed</source>
        <translation>Falló waveOutUnprepareHeader()</translation>
    </message>
    <message>
        <source>waveOutClose() failed</source>
        <translation>Falló waveOutClose()</translation>
    </message>
    <message>
        <source>Error audio device</source>
        <translation>Error del dispositivo de audio</translation>
    </message>
    <message>
        <source>waveInReset() failed</source>
        <translation>Falló waveInReset()</translation>
    </message>
    <message>
        <source>waveOutReset() failed</source>
        <translation>Falló waveOutReset()</translation>
    </message>
    <message>
        <source>Playback device failed</source>
        <translation>Falló el dispositivo de reproducción</translation>
    </message>
    <message>
        <source>waveInStart() failed</source>
        <translation>Falló waveInStart()</translation>
    </message>
    <message>
        <source>AddInputBufferToQueue Failed</source>
        <translation>Falló AddInputBufferToQueue</translation>
    </message>
    <message>
        <source>waveInAddBuffer() failed</source>
        <translation>Falló waveInAddBuffer()</translation>
    </message>
    <message>
        <source>waveInUnprepareHeader() failed</source>
        <translation>Falló waveInUnprepareHeader()</translation>
    </message>
    <message>
        <source>waveInPrepareHeader() failed</source>
        <translation>Falló waveInPrepareHeader()</translation>
    </message>
    <message>
        <source>waveInClose() failed</source>
        <translation>Falló waveInClose()</translation>
    </message>
    <message>
        <source>Recording device failed</source>
        <translation>Falló el dispositivo de grabación</translation>
    </message>
    <message>
        <source>the recorder is busy</source>
        <translation>la grabadora está ocupada</translation>
    </message>
    <message>
        <source>the device failed</source>
        <translation>el dispositivo falló</translation>
    </message>
</context>
<context>
    <name>CClipFlag</name>
    <message>
        <source>The %1 channel clipped: click to clear</source>
        <translation>El canal %1 se saturó: pulse para borrar</translation>
    </message>
    <message>
        <source>The %1 channel has not clipped</source>
        <translation>El canal %1 no se ha saturado</translation>
    </message>
</context>
<context>
    <name>CDialogAbout</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>WebSite:</source>
        <translation>Sitio web:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>Correo:</translation>
    </message>
</context>
<context>
    <name>CDialogRecord</name>
    <message>
        <source>Initialize callback device failed</source>
        <translation>Falló la inicialización del dispositivo de retorno de llamada</translation>
    </message>
    <message>
        <source>Mono Mixer</source>
        <translation>Mezcla mono</translation>
    </message>
    <message>
        <source>Stereo Mixer</source>
        <translation>Mezcla estéreo</translation>
    </message>
    <message>
        <source>Single Channel</source>
        <translation>Un solo canal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be monitored: %2</source>
        <translation>No se puede monitorizar «%1»: %2</translation>
    </message>
    <message>
        <source>Monitoring of &quot;%1&quot; stopped: %2</source>
        <translation>Se detuvo la monitorización de «%1»: %2</translation>
    </message>
    <message>
        <source>The audio device is now &quot;%1&quot;</source>
        <translation>El dispositivo de audio es ahora «%1»</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone; no audio device is left</source>
        <translation>«%1» ha desaparecido; no queda ningún dispositivo de audio</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone; the audio device is now &quot;%2&quot;</source>
        <translation>«%1» ha desaparecido; el dispositivo de audio es ahora «%2»</translation>
    </message>
    <message>
        <source>Monitoring stopped: %1</source>
        <translation>Monitorización detenida: %1</translation>
    </message>
    <message>
        <source>Open file to play</source>
        <translation>Abrir archivo para reproducir</translation>
    </message>
    <message>
        <source>Recording Output</source>
        <translation>Salida de grabación</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Formato</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nombre de archivo</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Examinar</translation>
    </message>
    <message>
        <source> New file every</source>
        <translation> Dividir cada</translation>
    </message>
    <message>
        <source>New file every</source>
        <translation>Dividir en archivos cada</translation>
    </message>
    <message>
        <source> Add date and time to the name</source>
        <translation> Añadir fecha y hora al nombre</translation>
    </message>
    <message>
        <source>File type:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Sound-activated recording</source>
        <translation>Grabación activada por sonido</translation>
    </message>
    <message>
        <source> Skip silence</source>
        <translation> Omitir silencio</translation>
    </message>
    <message>
        <source>Silence below</source>
        <translation>Silencio bajo</translation>
    </message>
    <message>
        <source> dBFS</source>
        <translation> dBFS</translation>
    </message>
    <message>
        <source>Silence after</source>
        <translation>Silencio después de</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source> New file for each sound</source>
        <translation> Un archivo por sonido</translation>
    </message>
    <message>
        <source>after</source>
        <translation>tras</translation>
    </message>
    <message>
        <source>Audio Capture Device</source>
        <translation>Dispositivo de captura</translation>
    </message>
    <message>
        <source>Audio device</source>
        <translation>Dispositivo de audio</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Volumen del micrófono</translation>
    </message>
    <message>
        <source>Line in</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Line in volume</source>
        <translation>Volumen de la entrada de línea</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Left channel</source>
        <translation>Izquierdo</translation>
    </message>
    <message>
        <source>Right channel</source>
        <translation>Derecho</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Frecuencia de muestreo</translation>
    </message>
    <message>
        <source>Bits per sample</source>
        <translation>Bits por muestra</translation>
    </message>
    <message>
        <source> Monitor input</source>
        <translation> Monitorizar</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Bits per sample:</source>
        <translation>Bits por muestra:</translation>
    </message>
    <message>
        <source>Bits</source>
        <translation>bits</translation>
    </message>
    <message>
        <source>Audio device:</source>
        <translation>Dispositivo:</translation>
    </message>
    <message>
        <source>Wave in device:</source>
        <translation>Entrada:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Canal:</translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation>Frecuencia:</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Espacio</translation>
    </message>
    <message>
        <source>Room for %1</source>
        <translation>Espacio: %1</translation>
    </message>
</context>
<context>
    <name>CDialogSchedule</name>
    <message>
        <source> Enable scheduled task</source>
        <translation> Activar tarea programada</translation>
    </message>
    <message>
        <source> Start time:</source>
        <translation> Inicio:</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Fecha de inicio</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Una vez</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Cada día</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>De lunes a viernes</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Cada semana</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>Repetir:</translation>
    </message>
    <message>
        <source> Start Tessavox when I log in</source>
        <translation> Abrir Tessavox al iniciar sesión</translation>
    </message>
    <message>
        <source>End time:</source>
        <translation>Finalizar:</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Fecha de fin</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>Current Time:</source>
        <translation>Hora actual:</translation>
    </message>
    <message>
        <source>Scheduled Task</source>
        <translation>Tarea programada</translation>
    </message>
    <message>
        <source> Warn me when the input is silent for</source>
        <translation> Avisarme si no entra sonido durante</translation>
    </message>
    <message>
        <source>Silent for</source>
        <translation>Silencio durante</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source> Keep takes for</source>
        <translation> Conservar tomas</translation>
    </message>
    <message>
        <source>Keep takes for</source>
        <translation>Conservar tomas durante</translation>
    </message>
    <message>
        <source> days</source>
        <translation> días</translation>
    </message>
</context>
<context>
    <name>CLevelMeter</name>
    <message>
        <source>%1 clipped</source>
        <translation>Saturación %1</translation>
    </message>
    <message>
        <source>%1 level</source>
        <translation>Nivel %1</translation>
    </message>
    <message>
        <source>Silence below %1 dBFS</source>
        <translation>Silencio por debajo de %1 dBFS</translation>
    </message>
    <message>
        <source>%1: below -60 dBFS</source>
        <translation>%1: por debajo de -60 dBFS</translation>
    </message>
    <message>
        <source>%1: %2 dBFS, peak held at %3 dBFS</source>
        <translation>%1: %2 dBFS, pico retenido en %3 dBFS</translation>
    </message>
</context>
<context>
    <name>CScheduleRun</name>
    <message>
        <source>Please check duration time in schedule panel, it&apos;s incorrect.</source>
        <translation>Compruebe la duración en el panel de programación: es incorrecta.</translation>
    </message>
    <message>
        <source>Please check time setting in schedule panel, it&apos;s incorrect.</source>
        <translation>Compruebe la hora en el panel de programación: es incorrecta.</translation>
    </message>
    <message>
        <source>Your recording will be started at %1</source>
        <translation>Su grabación empezará: %1</translation>
    </message>
    <message>
        <source>Your recording will be ended at %1</source>
        <translation>Su grabación terminará: %1</translation>
    </message>
    <message>
        <source>started late: it was due at %1</source>
        <translation>empezó tarde: estaba prevista para %1</translation>
    </message>
    <message>
        <source>The recording planned from %1 to %2 was not made: Tessavox was not running.</source>
        <translation>La grabación prevista de %1 a %2 no se hizo: Tessavox no estaba en ejecución.</translation>
    </message>
    <message>
        <source>The recording planned from %1 to %2 was not made: the computer was asleep, or its clock was set, past its end.</source>
        <translation>La grabación prevista de %1 a %2 no se hizo: el equipo estuvo suspendido, o se cambió su reloj, hasta pasado su final.</translation>
    </message>
    <message>
        <source>Scheduled recording failed</source>
        <translation>Falló la grabación programada</translation>
    </message>
    <message>
        <source>Scheduled recording started</source>
        <translation>Grabación programada iniciada</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Scheduled recording finished</source>
        <translation>Grabación programada terminada</translation>
    </message>
    <message>
        <source>Scheduled recording will not fit</source>
        <translation>La grabación programada no cabrá</translation>
    </message>
    <message>
        <source>The recording planned from %1 to %2 will not fit on the disk: there is room for %3.</source>
        <translation>La grabación prevista de %1 a %2 no cabrá en el disco: hay espacio para %3.</translation>
    </message>
    <message>
        <source>Do you want to schedule it anyway?</source>
        <translation>¿Quiere programarla de todos modos?</translation>
    </message>
    <message>
        <source>No sound from %1 for 1 minute</source>
        <translation>Sin sonido de %1 durante 1 minuto</translation>
    </message>
    <message>
        <source>No sound from %1 for %2 minutes</source>
        <translation>Sin sonido de %1 durante %2 minutos</translation>
    </message>
</context>
<context>
    <name>CTessavoxDlg</name>
    <message>
        <source>Recording</source>
        <translation>Grabando</translation>
    </message>
    <message>
        <source>Waiting for a scheduled recording</source>
        <translation>Esperando una grabación programada</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Reproducir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Size: 0KB</source>
        <translation>Tamaño: 0 KB</translation>
    </message>
    <message>
        <source>Size: 4194303KB</source>
        <translation>Tamaño: 4194303 KB</translation>
    </message>
    <message>
        <source>Time: 00:00:00</source>
        <translation>Tiempo: 00:00:00</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Izq.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Der.</translation>
    </message>
    <message>
        <source>&amp;About Tessavox...</source>
        <translation>&amp;Acerca de Tessavox...</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Programar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inactivo</translation>
    </message>
    <message>
        <source>The saved settings could not be read; the first-start settings are shown</source>
        <translation>No se pudo leer la configuración guardada; se muestra la configuración inicial</translation>
    </message>
    <message>
        <source>Please select the audio save path.</source>
        <translation>Seleccione dónde guardar el audio.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Please tick &quot; Start time:&quot; to repeat a recording.</source>
        <translation>Marque «Inicio:» para repetir una grabación.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Quiere reemplazarlo?</translation>
    </message>
    <message>
        <source>%1 already exist.
Do you want to replace them?</source>
        <translation>%1 ya existen.
¿Quiere reemplazarlos?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> y </translation>
    </message>
    <message>
        <source>Waiting for sound</source>
        <translation>Esperando sonido</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Detenido</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Reproduciendo</translation>
    </message>
    <message>
        <source>No sound came: no file was made</source>
        <translation>No llegó sonido: no se creó ningún archivo</translation>
    </message>
    <message>
        <source>Tessavox is already recording.</source>
        <translation>Tessavox ya está grabando.</translation>
    </message>
    <message>
        <source>Tessavox is playing a file; stop it first.</source>
        <translation>Tessavox está reproduciendo un archivo; deténgalo primero.</translation>
    </message>
    <message>
        <source>Tessavox is still closing the last recording; try again in a moment.</source>
        <translation>Tessavox aún está cerrando la última grabación; inténtelo de nuevo en un momento.</translation>
    </message>
    <message>
        <source>Tessavox is waiting for an answer in its window.</source>
        <translation>Tessavox espera una respuesta en su ventana.</translation>
    </message>
    <message>
        <source>The command was not carried out.</source>
        <translation>No se ejecutó la orden.</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Stopped: the disk is nearly full</source>
        <translation>Detenido: el disco está casi lleno</translation>
    </message>
    <message>
        <source>Recording stopped: the disk is nearly full</source>
        <translation>Grabación detenida: el disco está casi lleno</translation>
    </message>
    <message>
        <source>Tessavox is still running</source>
        <translation>Tessavox sigue en ejecución</translation>
    </message>
    <message>
        <source>The recording goes on. Choose &quot;Show Tessavox&quot; from its icon to see the window again.</source>
        <translation>La grabación continúa. Elija «Mostrar Tessavox» en su icono para volver a ver la ventana.</translation>
    </message>
    <message>
        <source>The scheduled recording will start as planned. Choose &quot;Show Tessavox&quot; from its icon to see the window again.</source>
        <translation>La grabación programada empezará según lo previsto. Elija «Mostrar Tessavox» en su icono para volver a ver la ventana.</translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <source>Recording %1 %2</source>
        <translation>Grabando %1 %2</translation>
    </message>
    <message>
        <source>Paused %1 %2</source>
        <translation>En pausa %1 %2</translation>
    </message>
    <message>
        <source>Waiting for sound</source>
        <translation>Esperando sonido</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Reproduciendo</translation>
    </message>
    <message>
        <source>Next recording at %1</source>
        <translation>Próxima grabación: %1</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Inactivo</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Show Tessavox</source>
        <translation>Mostrar Tessavox</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Tessavox</source>
        <translation>Tessavox</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Unknown option: %1</source>
        <translation>Opción desconocida: %1</translation>
    </message>
    <message>
        <source>Only one of --record, --stop and --pause can be given at a time.</source>
        <translation>Solo se puede indicar una de --record, --stop y --pause a la vez.</translation>
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
        <translation>Uso: tessavox [--minimized] [--record | --stop | --pause] [--help | --version]
Graba la tarjeta de sonido en archivos WAV o MP3. Sin opciones abre su ventana,
o muestra la que ya está abierta.

  --minimized  abre la ventana minimizada, o en el icono del panel donde el
               escritorio tiene uno, con una programación guardada activa
  --record     pulsa Grabar en la ventana abierta, abriendo una antes si no
               hay ninguna
  --stop       pulsa Detener en la ventana abierta
  --pause      pulsa Pausar (o Reanudar) en la ventana abierta
  --help       muestra esta ayuda y sale
  --version    muestra la versión y sale

Una orden termina con 0 si se cumple, 1 si se rechaza (diciendo por qué),
2 si hay un error de uso.
</translation>
    </message>
</context>
<context>
    <name>Decoder</name>
    <message>
        <source>out of memory</source>
        <translation>memoria agotada</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>no se puede abrir el archivo</translation>
    </message>
    <message>
        <source>not a FLAC stream</source>
        <translation>no es un flujo FLAC</translation>
    </message>
    <message>
        <source>%1 channels; only mono and stereo are played</source>
        <translation>%1 canales; solo se reproducen mono y estéreo</translation>
    </message>
    <message>
        <source>no MPEG audio frames found</source>
        <translation>no se encontraron tramas de audio MPEG</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <source>not an Ogg Opus stream</source>
        <translation>no es un flujo Ogg Opus</translation>
    </message>
    <message>
        <source>an Ogg Opus version that is not known</source>
        <translation>una versión de Ogg Opus desconocida</translation>
    </message>
    <message>
        <source>its Opus header is damaged</source>
        <translation>su cabecera Opus está dañada</translation>
    </message>
    <message>
        <source>its stream is damaged</source>
        <translation>su flujo está dañado</translation>
    </message>
    <message>
        <source>it cannot be decoded (error %1)</source>
        <translation>no se puede decodificar (error %1)</translation>
    </message>
    <message>
        <source>Cannot play %1: %2</source>
        <translation>No se puede reproducir %1: %2</translation>
    </message>
    <message>
        <source>Open wave file failed</source>
        <translation>No se pudo abrir el archivo wave</translation>
    </message>
    <message>
        <source>Error descending into file</source>
        <translation>Error al descender en el archivo</translation>
    </message>
    <message>
        <source>Error descending in wave file</source>
        <translation>Error al descender en el archivo wave</translation>
    </message>
    <message>
        <source>Error ascending in File</source>
        <translation>Error al ascender en el archivo</translation>
    </message>
    <message>
        <source>error reading data chunk</source>
        <translation>error al leer el bloque de datos</translation>
    </message>
</context>
<context>
    <name>ElapsedDisplay</name>
    <message>
        <source>Time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
    <message>
        <source>Size: %1KB</source>
        <translation>Tamaño: %1 KB</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>mp3 files(*.mp3)|*.mp3||</source>
        <translation>archivos mp3(*.mp3)|*.mp3||</translation>
    </message>
    <message>
        <source>MP3 files(*.mp3)|*.mp3</source>
        <translation>Archivos MP3(*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>wav files(*.wav)|*.wav|wave files(*.wave)|*.wave||</source>
        <translation>archivos wav(*.wav)|*.wav|archivos wave(*.wave)|*.wave||</translation>
    </message>
    <message>
        <source>Wave files(*.wav)|*.wav</source>
        <translation>Archivos Wave(*.wav)|*.wav</translation>
    </message>
    <message>
        <source>flac files(*.flac)|*.flac||</source>
        <translation>archivos flac(*.flac)|*.flac||</translation>
    </message>
    <message>
        <source>FLAC files(*.flac)|*.flac</source>
        <translation>Archivos FLAC(*.flac)|*.flac</translation>
    </message>
    <message>
        <source>opus files(*.opus)|*.opus||</source>
        <translation>archivos opus(*.opus)|*.opus||</translation>
    </message>
    <message>
        <source>Opus files(*.opus)|*.opus</source>
        <translation>Archivos Opus(*.opus)|*.opus</translation>
    </message>
    <message>
        <source>Sound files (%1)</source>
        <translation>Archivos de sonido (%1)</translation>
    </message>
</context>
<context>
    <name>HandOver</name>
    <message>
        <source>Tessavox is not running.</source>
        <translation>Tessavox no está en ejecución.</translation>
    </message>
    <message>
        <source>Tessavox is not running, or cannot be reached: there is no session bus.</source>
        <translation>Tessavox no está en ejecución, o no se puede contactar con él: no hay bus de sesión.</translation>
    </message>
    <message>
        <source>Tessavox is running but did not answer: %1</source>
        <translation>Tessavox está en ejecución pero no respondió: %1</translation>
    </message>
</context>
<context>
    <name>OldTakes</name>
    <message>
        <source>Moved 1 old take to the trash</source>
        <translation>1 toma antigua movida a la papelera</translation>
    </message>
    <message>
        <source>Moved %1 old takes to the trash</source>
        <translation>%1 tomas antiguas movidas a la papelera</translation>
    </message>
    <message>
        <source>Could not move %1 to the trash: %2</source>
        <translation>No se pudo mover %1 a la papelera: %2</translation>
    </message>
    <message>
        <source>Could not move %1 old takes to the trash; %2: %3</source>
        <translation>No se pudieron mover %1 tomas antiguas a la papelera; %2: %3</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>out of memory</source>
        <translation>memoria agotada</translation>
    </message>
    <message>
        <source>Write file failed</source>
        <translation>Falló la escritura del archivo</translation>
    </message>
    <message>
        <source>Cannot record %1 bits %2</source>
        <translation>No se puede grabar en %2 a %1 bits</translation>
    </message>
    <message>
        <source>Cannot record %1 Hz %2</source>
        <translation>No se puede grabar en %2 a %1 Hz</translation>
    </message>
    <message>
        <source>Error loading lame_enc.DLL</source>
        <translation>Error al cargar lame_enc.DLL</translation>
    </message>
    <message>
        <source>Unable to get LAME interfaces</source>
        <translation>No se pudieron obtener las interfaces de LAME</translation>
    </message>
    <message>
        <source>Error opening encoding stream (%1)</source>
        <translation>Error al abrir el flujo de codificación (%1)</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memoria agotada</translation>
    </message>
    <message>
        <source>m_ForMp3_Proc_hEncodeChunk() failed (%1)</source>
        <translation>Falló m_ForMp3_Proc_hEncodeChunk() (%1)</translation>
    </message>
    <message>
        <source>Output file write error</source>
        <translation>Error de escritura en el archivo de salida</translation>
    </message>
    <message>
        <source>beExitStream failed (%1)</source>
        <translation>Falló beExitStream (%1)</translation>
    </message>
    <message>
        <source>Error creating file %1</source>
        <translation>Error al crear el archivo %1</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>No se puede crear %1: %2</translation>
    </message>
    <message>
        <source>Open wave file failed</source>
        <translation>No se pudo abrir el archivo wave</translation>
    </message>
</context>
<context>
    <name>PulseStream</name>
    <message>
        <source>Recording</source>
        <translation>Grabación</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Reproducción</translation>
    </message>
</context>
<context>
    <name>Room</name>
    <message>
        <source>less than a minute</source>
        <translation>menos de un minuto</translation>
    </message>
    <message>
        <source>about %1 min</source>
        <translation>aprox. %1 min</translation>
    </message>
    <message>
        <source>about %1 h %2 min</source>
        <translation>aprox. %1 h %2 min</translation>
    </message>
    <message>
        <source>about %1 h</source>
        <translation>aprox. %1 h</translation>
    </message>
    <message>
        <source>about 1 day %1 h</source>
        <translation>aprox. 1 día %1 h</translation>
    </message>
    <message>
        <source>about 1 day</source>
        <translation>aprox. 1 día</translation>
    </message>
    <message>
        <source>about %1 days %2 h</source>
        <translation>aprox. %1 días %2 h</translation>
    </message>
    <message>
        <source>about %1 days</source>
        <translation>aprox. %1 días</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>its answer was not whether the command was done</source>
        <translation>su respuesta no indicaba si la orden se cumplió</translation>
    </message>
</context>
<context>
    <name>TakeReport</name>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 of sound in %2</source>
        <translation>%1 de sonido en %2</translation>
    </message>
    <message>
        <source>%1 recorded</source>
        <translation>Grabado: %1</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, 1 break in the sound</source>
        <translation>%1, 1 corte en el sonido</translation>
    </message>
    <message>
        <source>%1, %2 breaks in the sound</source>
        <translation>%1, %2 cortes en el sonido</translation>
    </message>
</context>
<context>
    <name>TracePicture</name>
    <message>
        <source>Left</source>
        <translation>Izq.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Der.</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>the trash folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta de la papelera %1</translation>
    </message>
    <message>
        <source>there is no folder for the trash</source>
        <translation>no hay ninguna carpeta para la papelera</translation>
    </message>
    <message>
        <source>the trash folder %1 cannot be written</source>
        <translation>no se puede escribir en la carpeta de la papelera %1</translation>
    </message>
    <message>
        <source>its name is too long for the trash</source>
        <translation>su nombre es demasiado largo para la papelera</translation>
    </message>
</context>
</TS>

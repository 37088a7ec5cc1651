<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AboutTexts</name>
    <message>
        <source>Version: %1</source>
        <translation>Versão: %1</translation>
    </message>
</context>
<context>
    <name>AudioBackend</name>
    <message>
        <source>The command completed successfully.</source>
        <translation>O comando foi concluído com sucesso.</translation>
    </message>
    <message>
        <source>Unspecified error.</source>
        <translation>Erro não especificado.</translation>
    </message>
    <message>
        <source>The device number is out of range.</source>
        <translation>O número do dispositivo está fora do intervalo.</translation>
    </message>
    <message>
        <source>The device is not enabled.</source>
        <translation>O dispositivo não está ativado.</translation>
    </message>
    <message>
        <source>The device is already in use.</source>
        <translation>O dispositivo já está em uso.</translation>
    </message>
    <message>
        <source>The device handle is not valid.</source>
        <translation>O identificador do dispositivo não é válido.</translation>
    </message>
    <message>
        <source>No sound server or driver is available.</source>
        <translation>Nenhum servidor de som ou driver está disponível.</translation>
    </message>
    <message>
        <source>Not enough memory.</source>
        <translation>Memória insuficiente.</translation>
    </message>
    <message>
        <source>The device does not support this operation.</source>
        <translation>O dispositivo não oferece suporte a esta operação.</translation>
    </message>
    <message>
        <source>An argument is not valid.</source>
        <translation>Um argumento não é válido.</translation>
    </message>
    <message>
        <source>The device cannot use this sound format.</source>
        <translation>O dispositivo não pode usar este formato de som.</translation>
    </message>
    <message>
        <source>Buffers are still queued on the device.</source>
        <translation>Ainda há buffers na fila do dispositivo.</translation>
    </message>
    <message>
        <source>The buffer is not prepared.</source>
        <translation>O buffer não está preparado.</translation>
    </message>
    <message>
        <source>Unknown error %1.</source>
        <translation>Erro desconhecido %1.</translation>
    </message>
</context>
<context>
    <name>AutostartEntry</name>
    <message>
        <source>Cannot remove %1: %2</source>
        <translation>Não é possível remover %1: %2</translation>
    </message>
    <message>
        <source>Cannot create the folder %1</source>
        <translation>Não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Não é possível escrever em %1: %2</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tessavox</source>
        <translation>Sobre o Tessavox</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>CAudioPlayRec</name>
    <message>
        <source>Class status error</source>
        <translation>Erro de estado da classe</translation>
    </message>
    <message>
        <source>waveOutOpen() failed</source>
        <translation>waveOutOpen() falhou</translation>
    </message>
    <message>
        <source>Read sound data from file failed</source>
        <translation>Falha ao ler os dados de som do arquivo</translation>
    </message>
    <message>
        <source>waveOutPrepareHeader() failed</source>
        <translation>waveOutPrepareHeader() falhou</translation>
    </message>
    <message>
        <source>waveOutWrite() failed</source>
        <translation>waveOutWrite() falhou</translation>
    </message>
    <message>
        <source>waveOutUnprepareHeader() failed</source>
        <translation>waveOutUnprepareHeader() falhou</translation>
    </message>
    <message>
        <source>waveOutClose() failed</source>
        <translation>waveOutClose() falhou</translation>
    </message>
    <message>
        <source>Error audio device</source>
        <translation>Erro no dispositivo de áudio</translation>
    </message>
    <message>
        <source>waveInReset() failed</source>
        <translation>waveInReset() falhou</translation>
    </message>
    <message>
        <source>waveOutReset() failed</source>
        <translation>waveOutReset() falhou</translation>
    </message>
    <message>
        <source>Playback device failed</source>
        <translation>O dispositivo de reprodução falhou</translation>
    </message>
    <message>
        <source>waveInStart() failed</source>
        <translation>waveInStart() falhou</translation>
    </message>
    <message>
        <source>AddInputBufferToQueue Failed</source>
        <translation>AddInputBufferToQueue falhou</translation>
    </message>
    <message>
        <source>waveInAddBuffer() failed</source>
        <translation>waveInAddBuffer() falhou</translation>
    </message>
    <message>
        <source>waveInUnprepareHeader() failed</source>
        <translation>waveInUnprepareHeader() falhou</translation>
    </message>
    <message>
        <source>waveInPrepareHeader() failed</source>
        <translation>waveInPrepareHeader() falhou</translation>
    </message>
    <message>
        <source>waveInClose() failed</source>
        <translation>waveInClose() falhou</translation>
    </message>
    <message>
        <source>Recording device failed</source>
        <translation>O dispositivo de gravação falhou</translation>
    </message>
    <message>
        <source>the recorder is busy</source>
        <translation>o gravador está ocupado</translation>
    </message>
    <message>
        <source>the device failed</source>
        <translation>o dispositivo falhou</translation>
    </message>
</context>
<context>
    <name>CClipFlag</name>
    <message>
        <source>The %1 channel clipped: click to clear</source>
        <translation>Canal %1 saturou: clique para limpar</translation>
    </message>
    <message>
        <source>The %1 channel has not clipped</source>
        <translation>Canal %1 não saturou</translation>
    </message>
</context>
<context>
    <name>CDialogAbout</name>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>WebSite:</source>
        <translation>Site:</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>E-mail:</translation>
    </message>
</context>
<context>
    <name>CDialogRecord</name>
    <message>
        <source>Initialize callback device failed</source>
        <translation>Falha ao inicializar o dispositivo de retorno</translation>
    </message>
    <message>
        <source>Mono Mixer</source>
        <translation>Mixer mono</translation>
    </message>
    <message>
        <source>Stereo Mixer</source>
        <translation>Mixer estéreo</translation>
    </message>
    <message>
        <source>Single Channel</source>
        <translation>Canal único</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be monitored: %2</source>
        <translation>Não é possível ouvir &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Monitoring of &quot;%1&quot; stopped: %2</source>
        <translation>A escuta de &quot;%1&quot; parou: %2</translation>
    </message>
    <message>
        <source>The audio device is now &quot;%1&quot;</source>
        <translation>O dispositivo de áudio agora é &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone; no audio device is left</source>
        <translation>&quot;%1&quot; foi removido; não resta nenhum dispositivo de áudio</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is gone; the audio device is now &quot;%2&quot;</source>
        <translation>&quot;%1&quot; foi removido; o dispositivo de áudio agora é &quot;%2&quot;</translation>
    </message>
    <message>
        <source>Monitoring stopped: %1</source>
        <translation>Escuta interrompida: %1</translation>
    </message>
    <message>
        <source>Open file to play</source>
        <translation>Abrir arquivo para tocar</translation>
    </message>
    <message>
        <source>Recording Output</source>
        <translation>Saída da gravação</translation>
    </message>
    <message>
        <source>File type</source>
        <translation>Formato do arquivo</translation>
    </message>
    <message>
        <source>File name</source>
        <translation>Nome do arquivo</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>Procurar</translation>
    </message>
    <message>
        <source> New file every</source>
        <translation> Dividir a cada</translation>
    </message>
    <message>
        <source>New file every</source>
        <translation>Novo arquivo a cada</translation>
    </message>
    <message>
        <source> Add date and time to the name</source>
        <translation> Adicionar data e hora ao nome</translation>
    </message>
    <message>
        <source>File type:</source>
        <translation>Formato:</translation>
    </message>
    <message>
        <source>File name:</source>
        <translation>Arquivo:</translation>
    </message>
    <message>
        <source>Sound-activated recording</source>
        <translation>Gravação ativada por som</translation>
    </message>
    <message>
        <source> Skip silence</source>
        <translation> Pular silêncio</translation>
    </message>
    <message>
        <source>Silence below</source>
        <translation>Silêncio até</translation>
    </message>
    <message>
        <source> dBFS</source>
        <translation> dBFS</translation>
    </message>
    <message>
        <source>Silence after</source>
        <translation>Silêncio após</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source> New file for each sound</source>
        <translation> Novo arquivo para cada som</translation>
    </message>
    <message>
        <source>after</source>
        <translation>após</translation>
    </message>
    <message>
        <source>Audio Capture Device</source>
        <translation>Dispositivo de captura</translation>
    </message>
    <message>
        <source>Audio device</source>
        <translation>Dispositivo de áudio</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfone</translation>
    </message>
    <message>
        <source>Microphone volume</source>
        <translation>Volume do microfone</translation>
    </message>
    <message>
        <source>Line in</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Line in volume</source>
        <translation>Volume da entrada de linha</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>Left channel</source>
        <translation>Canal esquerdo</translation>
    </message>
    <message>
        <source>Right channel</source>
        <translation>Canal direito</translation>
    </message>
    <message>
        <source>Sample rate</source>
        <translation>Taxa de amostragem</translation>
    </message>
    <message>
        <source>Bits per sample</source>
        <translation>Bits por amostra</translation>
    </message>
    <message>
        <source> Monitor input</source>
        <translation> Ouvir a entrada</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Hz</translation>
    </message>
    <message>
        <source>Bits per sample:</source>
        <translation>Bits por amostra:</translation>
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
        <translation>Amostragem:</translation>
    </message>
    <message>
        <source>Room</source>
        <translation>Espaço livre</translation>
    </message>
    <message>
        <source>Room for %1</source>
        <translation>Livre: %1</translation>
    </message>
</context>
<context>
    <name>CDialogSchedule</name>
    <message>
        <source> Enable scheduled task</source>
        <translation> Ativar tarefa agendada</translation>
    </message>
    <message>
        <source> Start time:</source>
        <translation> Início:</translation>
    </message>
    <message>
        <source>Start date</source>
        <translation>Data de início</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>Hora de início</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Once</source>
        <translation>Uma vez</translation>
    </message>
    <message>
        <source>Every day</source>
        <translation>Todo dia</translation>
    </message>
    <message>
        <source>Monday to Friday</source>
        <translation>Segunda a sexta</translation>
    </message>
    <message>
        <source>Every week</source>
        <translation>Toda semana</translation>
    </message>
    <message>
        <source>Repeat:</source>
        <translation>Repetir:</translation>
    </message>
    <message>
        <source> Start Tessavox when I log in</source>
        <translation> Iniciar o Tessavox ao fazer login</translation>
    </message>
    <message>
        <source>End time:</source>
        <translation>Término:</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>End date</source>
        <translation>Data de término</translation>
    </message>
    <message>
        <source>End time</source>
        <translation>Hora de término</translation>
    </message>
    <message>
        <source>Current Time:</source>
        <translation>Hora atual:</translation>
    </message>
    <message>
        <source>Scheduled Task</source>
        <translation>Tarefa agendada</translation>
    </message>
    <message>
        <source> Warn me when the input is silent for</source>
        <translation> Avisar se a entrada ficar em silêncio por</translation>
    </message>
    <message>
        <source>Silent for</source>
        <translation>Em silêncio por</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source> Keep takes for</source>
        <translation> Manter gravações por</translation>
    </message>
    <message>
        <source>Keep takes for</source>
        <translation>Manter gravações por</translation>
    </message>
    <message>
        <source> days</source>
        <translation> dias</translation>
    </message>
</context>
<context>
    <name>CLevelMeter</name>
    <message>
        <source>%1 clipped</source>
        <translation>%1 saturado</translation>
    </message>
    <message>
        <source>%1 level</source>
        <translation>Nível %1</translation>
    </message>
    <message>
        <source>Silence below %1 dBFS</source>
        <translation>Silêncio abaixo de %1 dBFS</translation>
    </message>
    <message>
        <source>%1: below -60 dBFS</source>
        <translation>%1: abaixo de -60 dBFS</translation>
    </message>
    <message>
        <source>%1: %2 dBFS, peak held at %3 dBFS</source>
        <translation>%1: %2 dBFS, pico retido em %3 dBFS</translation>
    </message>
</context>
<context>
    <name>CScheduleRun</name>
    <message>
        <source>Please check duration time in schedule panel, it&apos;s incorrect.</source>
        <translation>Verifique a duração no painel de agendamento: ela está incorreta.</translation>
    </message>
    <message>
        <source>Please check time setting in schedule panel, it&apos;s incorrect.</source>
        <translation>Verifique o horário no painel de agendamento: ele está incorreto.</translation>
    </message>
    <message>
        <source>Your recording will be started at %1</source>
        <translation>Sua gravação começará em %1</translation>
    </message>
    <message>
        <source>Your recording will be ended at %1</source>
        <translation>Sua gravação terminará em %1</translation>
    </message>
    <message>
        <source>started late: it was due at %1</source>
        <translation>começou atrasada: estava prevista para %1</translation>
    </message>
    <message>
        <source>The recording planned from %1 to %2 was not made: Tessavox was not running.</source>
        <translation>A gravação prevista de %1 a %2 não foi feita: o Tessavox não estava em execução.</translation>
    </message>
    <message>
        <source>The recording planned from %1 to %2 was not made: the computer was asleep, or its clock was set, past its end.</source>
        <translation>A gravação prevista de %1 a %2 não foi feita: o computador estava suspenso, ou seu relógio foi ajustado, até depois do fim dela.</translation>
    </message>
    <message>
        <source>Scheduled recording failed</source>
        <translation>A gravação agendada falhou</translation>
    </message>
    <message>
        <source>Scheduled recording started</source>
        <translation>Gravação agendada iniciada</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Scheduled recording finished</source>
        <translation>Gravação agendada concluída</translation>
    </message>
    <message>
        <source>Scheduled recording will not fit</source>
        <translation>A gravação agendada não caberá</translation>
    </message>
    <message>
        <source>The recording planned from %1 to %2 will not fit on the disk: there is room for %3.</source>
        <translation>A gravação prevista de %1 a %2 não caberá no disco: há espaço para %3.</translation>
    </message>
    <message>
        <source>Do you want to schedule it anyway?</source>
        <translation>Deseja agendá-la mesmo assim?</translation>
    </message>
    <message>
        <source>No sound from %1 for 1 minute</source>
        <translation>Nenhum som de %1 há 1 minuto</translation>
    </message>
    <message>
        <source>No sound from %1 for %2 minutes</source>
        <translation>Nenhum som de %1 há %2 minutos</translation>
    </message>
</context>
<context>
    <name>CTessavoxDlg</name>
    <message>
        <source>Recording</source>
        <translation>Gravando</translation>
    </message>
    <message>
        <source>Waiting for a scheduled recording</source>
        <translation>Aguardando uma gravação agendada</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Retomar</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Tocar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Size: 0KB</source>
        <translation>Tamanho: 0KB</translation>
    </message>
    <message>
        <source>Size: 4194303KB</source>
        <translation>Tamanho: 4194303KB</translation>
    </message>
    <message>
        <source>Time: 00:00:00</source>
        <translation>Tempo: 00:00:00</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esq.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Dir.</translation>
    </message>
    <message>
        <source>&amp;About Tessavox...</source>
        <translation>&amp;Sobre o Tessavox...</translation>
    </message>
    <message>
        <source>Schedule</source>
        <translation>Agendar</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Ocioso</translation>
    </message>
    <message>
        <source>The saved settings could not be read; the first-start settings are shown</source>
        <translation>As configurações salvas não puderam ser lidas; são mostradas as iniciais</translation>
    </message>
    <message>
        <source>Please select the audio save path.</source>
        <translation>Escolha onde salvar o áudio.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Dica</translation>
    </message>
    <message>
        <source>Please tick &quot; Start time:&quot; to repeat a recording.</source>
        <translation>Marque &quot; Início:&quot; para repetir uma gravação.</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>%1 already exist.
Do you want to replace them?</source>
        <translation>%1 já existem.
Deseja substituí-los?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source>Waiting for sound</source>
        <translation>Aguardando som</translation>
    </message>
    <message>
        <source>Stopped</source>
        <translation>Parado</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Tocando</translation>
    </message>
    <message>
        <source>No sound came: no file was made</source>
        <translation>Nenhum som chegou: nenhum arquivo foi criado</translation>
    </message>
    <message>
        <source>Tessavox is already recording.</source>
        <translation>O Tessavox já está gravando.</translation>
    </message>
    <message>
        <source>Tessavox is playing a file; stop it first.</source>
        <translation>O Tessavox está tocando um arquivo; pare-o primeiro.</translation>
    </message>
    <message>
        <source>Tessavox is still closing the last recording; try again in a moment.</source>
        <translation>O Tessavox ainda está fechando a última gravação; tente novamente em instantes.</translation>
    </message>
    <message>
        <source>Tessavox is waiting for an answer in its window.</source>
        <translation>O Tessavox está aguardando uma resposta em sua janela.</translation>
    </message>
    <message>
        <source>The command was not carried out.</source>
        <translation>O comando não foi executado.</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>Stopped: the disk is nearly full</source>
        <translation>Parado: o disco está quase cheio</translation>
    </message>
    <message>
        <source>Recording stopped: the disk is nearly full</source>
        <translation>Gravação interrompida: o disco está quase cheio</translation>
    </message>
    <message>
        <source>Tessavox is still running</source>
        <translation>O Tessavox continua em execução</translation>
    </message>
    <message>
        <source>The recording goes on. Choose &quot;Show Tessavox&quot; from its icon to see the window again.</source>
        <translation>A gravação continua. Escolha &quot;Mostrar o Tessavox&quot; no ícone dele para ver a janela novamente.</translation>
    </message>
    <message>
        <source>The scheduled recording will start as planned. Choose &quot;Show Tessavox&quot; from its icon to see the window again.</source>
        <translation>A gravação agendada começará como previsto. Escolha &quot;Mostrar o Tessavox&quot; no ícone dele para ver a janela novamente.</translation>
    </message>
</context>
<context>
    <name>CTrayIcon</name>
    <message>
        <source>Recording %1 %2</source>
        <translation>Gravando %1 %2</translation>
    </message>
    <message>
        <source>Paused %1 %2</source>
        <translation>Pausado %1 %2</translation>
    </message>
    <message>
        <source>Waiting for sound</source>
        <translation>Aguardando som</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Tocando</translation>
    </message>
    <message>
        <source>Next recording at %1</source>
        <translation>Próxima gravação em %1</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Ocioso</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Show Tessavox</source>
        <translation>Mostrar o Tessavox</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
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
        <translation>Opção desconhecida: %1</translation>
    </message>
    <message>
        <source>Only one of --record, --stop and --pause can be given at a time.</source>
        <translation>Só uma das opções --record, --stop e --pause pode ser dada por vez.</translation>
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
Grava a placa de som em arquivos WAV ou MP3. Sem opção, abre sua janela
ou traz para a frente a que já está aberta.

  --minimized  abre a janela minimizada, ou no ícone do painel onde o
               ambiente tiver um, mantendo ativo um agendamento salvo
  --record     pressiona Gravar na janela aberta, abrindo uma antes se não houver
  --stop       pressiona Parar na janela aberta
  --pause      pressiona Pausar (ou Retomar) na janela aberta
  --help       mostra esta ajuda e sai
  --version    mostra a versão e sai

Um comando sai com 0 quando concluído, 1 quando recusado (dizendo o motivo), 2 para erro de uso.
</translation>
    </message>
</context>
<context>
    <name>Decoder</name>
    <message>
        <source>out of memory</source>
        <translation>memória esgotada</translation>
    </message>
    <message>
        <source>the file cannot be opened</source>
        <translation>o arquivo não pode ser aberto</translation>
    </message>
    <message>
        <source>not a FLAC stream</source>
        <translation>não é um fluxo FLAC</translation>
    </message>
    <message>
        <source>%1 channels; only mono and stereo are played</source>
        <translation>%1 canais; só mono e estéreo são tocados</translation>
    </message>
    <message>
        <source>no MPEG audio frames found</source>
        <translation>nenhum quadro de áudio MPEG encontrado</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>o arquivo não pode ser lido</translation>
    </message>
    <message>
        <source>not an Ogg Opus stream</source>
        <translation>não é um fluxo Ogg Opus</translation>
    </message>
    <message>
        <source>an Ogg Opus version that is not known</source>
        <translation>uma versão de Ogg Opus desconhecida</translation>
    </message>
    <message>
        <source>its Opus header is damaged</source>
        <translation>seu cabeçalho Opus está danificado</translation>
    </message>
    <message>
        <source>its stream is damaged</source>
        <translation>seu fluxo está danificado</translation>
    </message>
    <message>
        <source>it cannot be decoded (error %1)</source>
        <translation>não pode ser decodificado (erro %1)</translation>
    </message>
    <message>
        <source>Cannot play %1: %2</source>
        <translation>Não é possível tocar %1: %2</translation>
    </message>
    <message>
        <source>Open wave file failed</source>
        <translation>Falha ao abrir o arquivo wave</translation>
    </message>
    <message>
        <source>Error descending into file</source>
        <translation>Erro ao entrar em um bloco do arquivo</translation>
    </message>
    <message>
        <source>Error descending in wave file</source>
        <translation>Erro ao entrar em um bloco do arquivo wave</translation>
    </message>
    <message>
        <source>Error ascending in File</source>
        <translation>Erro ao sair de um bloco do arquivo</translation>
    </message>
    <message>
        <source>error reading data chunk</source>
        <translation>erro ao ler o bloco de dados</translation>
    </message>
</context>
<context>
    <name>ElapsedDisplay</name>
    <message>
        <source>Time: %1</source>
        <translation>Tempo: %1</translation>
    </message>
    <message>
        <source>Size: %1KB</source>
        <translation>Tamanho: %1KB</translation>
    </message>
</context>
<context>
    <name>FileFilter</name>
    <message>
        <source>mp3 files(*.mp3)|*.mp3||</source>
        <translation>arquivos mp3(*.mp3)|*.mp3||</translation>
    </message>
    <message>
        <source>MP3 files(*.mp3)|*.mp3</source>
        <translation>Arquivos MP3(*.mp3)|*.mp3</translation>
    </message>
    <message>
        <source>wav files(*.wav)|*.wav|wave files(*.wave)|*.wave||</source>
        <translation>arquivos wav(*.wav)|*.wav|arquivos wave(*.wave)|*.wave||</translation>
    </message>
    <message>
        <source>Wave files(*.wav)|*.wav</source>
        <translation>Arquivos wave(*.wav)|*.wav</translation>
    </message>
    <message>
        <source>flac files(*.flac)|*.flac||</source>
        <translation>arquivos flac(*.flac)|*.flac||</translation>
    </message>
    <message>
        <source>FLAC files(*.flac)|*.flac</source>
        <translation>Arquivos FLAC(*.flac)|*.flac</translation>
    </message>
    <message>
        <source>opus files(*.opus)|*.opus||</source>
        <translation>arquivos opus(*.opus)|*.opus||</translation>
    </message>
    <message>
        <source>Opus files(*.opus)|*.opus</source>
        <translation>Arquivos Opus(*.opus)|*.opus</translation>
    </message>
    <message>
        <source>Sound files (%1)</source>
        <translation>Arquivos de som (%1)</translation>
    </message>
</context>
<context>
    <name>HandOver</name>
    <message>
        <source>Tessavox is not running.</source>
        <translation>O Tessavox não está em execução.</translation>
    </message>
    <message>
        <source>Tessavox is not running, or cannot be reached: there is no session bus.</source>
        <translation>O Tessavox não está em execução ou não pode ser alcançado: não há barramento de sessão.</translation>
    </message>
    <message>
        <source>Tessavox is running but did not answer: %1</source>
        <translation>O Tessavox está em execução, mas não respondeu: %1</translation>
    </message>
</context>
<context>
    <name>OldTakes</name>
    <message>
        <source>Moved 1 old take to the trash</source>
        <translation>1 gravação antiga movida para a lixeira</translation>
    </message>
    <message>
        <source>Moved %1 old takes to the trash</source>
        <translation>%1 gravações antigas movidas para a lixeira</translation>
    </message>
    <message>
        <source>Could not move %1 to the trash: %2</source>
        <translation>Não foi possível mover %1 para a lixeira: %2</translation>
    </message>
    <message>
        <source>Could not move %1 old takes to the trash; %2: %3</source>
        <translation>Não foi possível mover %1 gravações antigas para a lixeira; %2: %3</translation>
    </message>
</context>
<context>
    <name>Output</name>
    <message>
        <source>out of memory</source>
        <translation>memória esgotada</translation>
    </message>
    <message>
        <source>Write file failed</source>
        <translation>Falha ao escrever o arquivo</translation>
    </message>
    <message>
        <source>Cannot record %1 bits %2</source>
        <translation>Não é possível gravar %1 bits %2</translation>
    </message>
    <message>
        <source>Cannot record %1 Hz %2</source>
        <translation>Não é possível gravar %1 Hz %2</translation>
    </message>
    <message>
        <source>Error loading lame_enc.DLL</source>
        <translation>Erro ao carregar lame_enc.DLL</translation>
    </message>
    <message>
        <source>Unable to get LAME interfaces</source>
        <translation>Não foi possível obter as interfaces do LAME</translation>
    </message>
    <message>
        <source>Error opening encoding stream (%1)</source>
        <translation>Erro ao abrir o fluxo de codificação (%1)</translation>
    </message>
    <message>
        <source>Out of memory</source>
        <translation>Memória esgotada</translation>
    </message>
    <message>
        <source>m_ForMp3_Proc_hEncodeChunk() failed (%1)</source>
        <translation>m_ForMp3_Proc_hEncodeChunk() falhou (%1)</translation>
    </message>
    <message>
        <source>Output file write error</source>
        <translation>Erro ao escrever o arquivo de saída</translation>
    </message>
    <message>
        <source>beExitStream failed (%1)</source>
        <translation>beExitStream falhou (%1)</translation>
    </message>
    <message>
        <source>Error creating file %1</source>
        <translation>Erro ao criar o arquivo %1</translation>
    </message>
    <message>
        <source>Cannot create %1: %2</source>
        <translation>Não é possível criar %1: %2</translation>
    </message>
    <message>
        <source>Open wave file failed</source>
        <translation>Falha ao abrir o arquivo wave</translation>
    </message>
</context>
<context>
    <name>PulseStream</name>
    <message>
        <source>Recording</source>
        <translation>Gravação</translation>
    </message>
    <message>
        <source>Playback</source>
        <translation>Reprodução</translation>
    </message>
</context>
<context>
    <name>Room</name>
    <message>
        <source>less than a minute</source>
        <translation>menos de um minuto</translation>
    </message>
    <message>
        <source>about %1 min</source>
        <translation>cerca de %1 min</translation>
    </message>
    <message>
        <source>about %1 h %2 min</source>
        <translation>cerca de %1 h %2 min</translation>
    </message>
    <message>
        <source>about %1 h</source>
        <translation>cerca de %1 h</translation>
    </message>
    <message>
        <source>about 1 day %1 h</source>
        <translation>cerca de 1 dia %1 h</translation>
    </message>
    <message>
        <source>about 1 day</source>
        <translation>cerca de 1 dia</translation>
    </message>
    <message>
        <source>about %1 days %2 h</source>
        <translation>cerca de %1 dias %2 h</translation>
    </message>
    <message>
        <source>about %1 days</source>
        <translation>cerca de %1 dias</translation>
    </message>
</context>
<context>
    <name>SingleInstance</name>
    <message>
        <source>its answer was not whether the command was done</source>
        <translation>sua resposta não disse se o comando foi executado</translation>
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
        <translation>%1 de som em %2</translation>
    </message>
    <message>
        <source>%1 recorded</source>
        <translation>%1 de gravação</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>%1, 1 break in the sound</source>
        <translation>%1, 1 interrupção no som</translation>
    </message>
    <message>
        <source>%1, %2 breaks in the sound</source>
        <translation>%1, %2 interrupções no som</translation>
    </message>
</context>
<context>
    <name>TracePicture</name>
    <message>
        <source>Left</source>
        <translation>Esq.</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Dir.</translation>
    </message>
</context>
<context>
    <name>Trash</name>
    <message>
        <source>the trash folder %1 cannot be made</source>
        <translation>a pasta da lixeira %1 não pode ser criada</translation>
    </message>
    <message>
        <source>there is no folder for the trash</source>
        <translation>não há pasta para a lixeira</translation>
    </message>
    <message>
        <source>the trash folder %1 cannot be written</source>
        <translation>não é possível gravar na pasta da lixeira %1</translation>
    </message>
    <message>
        <source>its name is too long for the trash</source>
        <translation>o nome é longo demais para a lixeira</translation>
    </message>
</context>
</TS>

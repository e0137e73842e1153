<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>AmbientPlayer</name>
    <message>
        <source>Ambient sound</source>
        <translation>Som ambiente</translation>
    </message>
</context>
<context>
    <name>AmbientSound</name>
    <message>
        <source>Pink Noise</source>
        <translation>Ruído rosa</translation>
    </message>
    <message>
        <source>Water</source>
        <translation>Água</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Chuva</translation>
    </message>
    <message>
        <source>Lullaby</source>
        <translation>Canção de ninar</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Brown Noise</source>
        <translation>Ruído marrom</translation>
    </message>
    <message>
        <source>White Noise</source>
        <translation>Ruído branco</translation>
    </message>
</context>
<context>
    <name>LightWarningDialog</name>
    <message>
        <source>Flashing Light</source>
        <translation>Luz piscante</translation>
    </message>
    <message>
        <source>The visualizer fills the screen with colour that flashes 3 to 27 times a second.</source>
        <translation>O visualizador preenche a tela com uma cor que pisca de 3 a 27 vezes por segundo.</translation>
    </message>
    <message>
        <source>If you have photosensitive epilepsy or have ever had a seizure brought on by light, do not look at it: ask a doctor first.</source>
        <translation>Se você tem epilepsia fotossensível ou já teve uma crise provocada por luz, não olhe para ela: consulte um médico antes.</translation>
    </message>
    <message>
        <source>Play Without the Light</source>
        <translation>Tocar sem a luz</translation>
    </message>
    <message>
        <source>&amp;Show the Light</source>
        <translation>&amp;Mostrar a luz</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Active Concentration</source>
        <translation>Concentração ativa</translation>
    </message>
    <message>
        <source>Complete Meditation</source>
        <translation>Meditação completa</translation>
    </message>
    <message>
        <source>Deep Sleep</source>
        <translation>Sono profundo</translation>
    </message>
    <message>
        <source>Deep Thought Meditation</source>
        <translation>Meditação contemplativa</translation>
    </message>
    <message>
        <source>Dream Sleep</source>
        <translation>Sono com sonhos</translation>
    </message>
    <message>
        <source>Morning Wake</source>
        <translation>Despertar matinal</translation>
    </message>
    <message>
        <source>Quick Meditation</source>
        <translation>Meditação rápida</translation>
    </message>
    <message>
        <source>Relaxed to Deep Thought</source>
        <translation>Do relaxamento à contemplação</translation>
    </message>
    <message>
        <source>Relaxed to Complete Meditation</source>
        <translation>Do relaxamento à meditação completa</translation>
    </message>
    <message>
        <source>Tired to Deep Sleep</source>
        <translation>Do cansaço ao sono profundo</translation>
    </message>
    <message>
        <source>Tired to Dreaming</source>
        <translation>Do cansaço aos sonhos</translation>
    </message>
    <message>
        <source>Set session duration:</source>
        <translation>Duração da sessão:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Headphones required for best results</source>
        <translation>Use fones de ouvido para melhor efeito</translation>
    </message>
    <message>
        <source>Ambient Audio</source>
        <translation>Som ambiente</translation>
    </message>
    <message>
        <source>Secondary Tone</source>
        <translation>Tom secundário</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Flashes the whole screen 3 to 27 times a second. Flashing light at these rates can trigger seizures in people with photosensitive epilepsy: uncheck Visualizer if you may be at risk.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Faz a tela inteira piscar de 3 a 27 vezes por segundo. Luz que pisca nessas frequências pode provocar crises em pessoas com epilepsia fotossensível: se você puder estar em risco, desmarque “Visualizador”.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Visualizer</source>
        <translation>Visualizador</translation>
    </message>
    <message>
        <source>0 h</source>
        <translation>0 h</translation>
    </message>
    <message>
        <source>1 h</source>
        <translation>1 h</translation>
    </message>
    <message>
        <source>2 h</source>
        <translation>2 h</translation>
    </message>
    <message>
        <source>3 h</source>
        <translation>3 h</translation>
    </message>
    <message>
        <source>4 h</source>
        <translation>4 h</translation>
    </message>
    <message>
        <source>5 h</source>
        <translation>5 h</translation>
    </message>
    <message>
        <source>6 h</source>
        <translation>6 h</translation>
    </message>
    <message>
        <source>7 h</source>
        <translation>7 h</translation>
    </message>
    <message>
        <source>8 h</source>
        <translation>8 h</translation>
    </message>
    <message>
        <source>9 h</source>
        <translation>9 h</translation>
    </message>
    <message>
        <source>10 h</source>
        <translation>10 h</translation>
    </message>
    <message>
        <source>11 h</source>
        <translation>11 h</translation>
    </message>
    <message>
        <source>12 h</source>
        <translation>12 h</translation>
    </message>
    <message>
        <source>5 m</source>
        <translation>5 min</translation>
    </message>
    <message>
        <source>10 m</source>
        <translation>10 min</translation>
    </message>
    <message>
        <source>15 m</source>
        <translation>15 min</translation>
    </message>
    <message>
        <source>20 m</source>
        <translation>20 min</translation>
    </message>
    <message>
        <source>25 m</source>
        <translation>25 min</translation>
    </message>
    <message>
        <source>30 m</source>
        <translation>30 min</translation>
    </message>
    <message>
        <source>35 m</source>
        <translation>35 min</translation>
    </message>
    <message>
        <source>40 m</source>
        <translation>40 min</translation>
    </message>
    <message>
        <source>45 m</source>
        <translation>45 min</translation>
    </message>
    <message>
        <source>50 m</source>
        <translation>50 min</translation>
    </message>
    <message>
        <source>55 m</source>
        <translation>55 min</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;Please select a session from the list to the left. A description of the session will appear in this block. &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Lucida Grande&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;After you have chosen a session, choose an ambient noise, set the duration, and press start to begin the session. &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:8pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;Escolha um programa na lista à esquerda. A descrição do programa aparecerá aqui. &lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot;-qt-paragraph-type:empty; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px; font-family:&apos;Lucida Grande&apos;;&quot;&gt;&lt;br /&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;Depois escolha um som ambiente e a duração, e clique em “Iniciar” para começar a sessão. &lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Select a session first!</source>
        <translation>Escolha um programa primeiro!</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Your changes will take effect during the next tone scheduled tone change.</source>
        <translation>Sua alteração terá efeito na próxima mudança de tom programada.</translation>
    </message>
    <message>
        <source>No sound output: check your speakers or headphones</source>
        <translation>Sem saída de som: verifique os alto-falantes ou os fones de ouvido</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Your Own Sound...</source>
        <translation>Seu próprio som...</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; is gone: Pink Noise plays instead.</source>
        <translation>Seu próprio som “%1” não existe mais: toca ruído rosa em seu lugar.</translation>
    </message>
    <message>
        <source>Sound files (%1)</source>
        <translation>Arquivos de som (%1)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Choose Your Own Sound</source>
        <translation>Escolher seu próprio som</translation>
    </message>
    <message>
        <source>&amp;Programs</source>
        <translation>&amp;Programas</translation>
    </message>
    <message>
        <source>&amp;New Program...</source>
        <translation>&amp;Novo programa…</translation>
    </message>
    <message>
        <source>&amp;Open Program File...</source>
        <translation>&amp;Abrir arquivo de programa…</translation>
    </message>
    <message>
        <source>&amp;Edit Program...</source>
        <translation>&amp;Editar programa…</translation>
    </message>
    <message>
        <source>D&amp;uplicate Program...</source>
        <translation>D&amp;uplicar programa…</translation>
    </message>
    <message>
        <source>&amp;Delete Program</source>
        <translation>E&amp;xcluir programa</translation>
    </message>
    <message>
        <source>%1: this program&apos;s file has an error</source>
        <translation>%1: o arquivo deste programa tem um erro</translation>
    </message>
    <message>
        <source>New Program</source>
        <translation>Novo programa</translation>
    </message>
    <message>
        <source>Open Program File</source>
        <translation>Abrir arquivo de programa</translation>
    </message>
    <message>
        <source>Velmora programs (*.velmora)</source>
        <translation>Programas do Velmora (*.velmora)</translation>
    </message>
    <message>
        <source>Edit Program</source>
        <translation>Editar programa</translation>
    </message>
    <message>
        <source>Duplicate Program</source>
        <translation>Duplicar programa</translation>
    </message>
    <message>
        <source>Choose a program to duplicate first.</source>
        <translation>Escolha primeiro um programa para duplicar.</translation>
    </message>
    <message>
        <source>Delete Program</source>
        <translation>Excluir programa</translation>
    </message>
    <message>
        <source>Move &quot;%1&quot; to the trash?</source>
        <translation>Mover “%1” para a lixeira?</translation>
    </message>
    <message>
        <source>Programs</source>
        <translation>Programas</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Export Session...</source>
        <translation>&amp;Exportar sessão…</translation>
    </message>
    <message>
        <source>Export Session</source>
        <translation>Exportar sessão</translation>
    </message>
    <message>
        <source>Sound files (*.flac *.mp3 *.ogg *.opus *.wav)</source>
        <translation>Arquivos de som (*.flac *.mp3 *.ogg *.opus *.wav)</translation>
    </message>
    <message>
        <source>End the file name with .flac, .mp3, .ogg, .opus or .wav.</source>
        <translation>Termine o nome do arquivo com .flac, .mp3, .ogg, .opus ou .wav.</translation>
    </message>
    <message>
        <source>Exporting the session...</source>
        <translation>Exportando a sessão…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1% done, about %2 left</source>
        <translation>%1% concluído, cerca de %2 restantes</translation>
    </message>
    <message>
        <source>Session exported to %1</source>
        <translation>Sessão exportada para %1</translation>
    </message>
    <message>
        <source>Export cancelled: no file written</source>
        <translation>Exportação cancelada: nenhum arquivo gravado</translation>
    </message>
    <message>
        <source>The session could not be exported: %1</source>
        <translation>Não foi possível exportar a sessão: %1</translation>
    </message>
</context>
<context>
    <name>OwnSound</name>
    <message>
        <source>Your own sound &quot;%1&quot; is missing.</source>
        <translation>Seu próprio som “%1” está faltando.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; cannot be read.</source>
        <translation>Seu próprio som “%1” não pode ser lido.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; is not a sound file Velmora can play.</source>
        <translation>Seu próprio som “%1” não é um arquivo de som que o Velmora possa tocar.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; holds no sound.</source>
        <translation>Seu próprio som “%1” não contém som.</translation>
    </message>
    <message>
        <source>Your own sound &quot;%1&quot; is damaged part way through.</source>
        <translation>Seu próprio som “%1” está danificado no meio.</translation>
    </message>
</context>
<context>
    <name>ProgramCatalogue</name>
    <message>
        <source>Active Concentration</source>
        <translation>Concentração ativa</translation>
    </message>
    <message>
        <source>This program will raise your brain wave frequency, allowing you maximum alertness to tackle whatever deserves your complete attention.</source>
        <translation>Este programa eleva a frequência das suas ondas cerebrais, deixando você totalmente alerta para enfrentar o que merecer toda a sua atenção.</translation>
    </message>
    <message>
        <source>Complete Meditation</source>
        <translation>Meditação completa</translation>
    </message>
    <message>
        <source>This program will take you from the average waking frequency to the low delta frequencies to take you away from it all. At the bottom of the frequency range you will be presented with blue light, proven to react with your circadian rhythm to help keep you awake. This will allow you full control of your mind as you journey through this relaxing state.</source>
        <translation>Este programa leva você da frequência normal de vigília até as baixas frequências delta, para longe de tudo. No ponto mais baixo, você verá uma luz azul, de efeito comprovado sobre o ritmo circadiano, que ajuda a manter você acordado. Assim você mantém o controle total da mente ao percorrer esse estado de relaxamento.</translation>
    </message>
    <message>
        <source>Deep Sleep</source>
        <translation>Sono profundo</translation>
    </message>
    <message>
        <source>Like the previous program, this one also takes you down from normal waking levels to the delta levels associated with deep sleep and loss of body awareness. It uses long-wavelength red light, which has less effect on the circadian system that blue light, allowing you to drift into a restful slumber.</source>
        <translation>Como o programa anterior, este também leva você da vigília normal até as frequências delta, ligadas ao sono profundo e à perda da consciência corporal. Usa luz vermelha de onda longa, que afeta menos o ritmo circadiano do que a luz azul, para você se entregar a um sono reparador.</translation>
    </message>
    <message>
        <source>Deep Thought Meditation</source>
        <translation>Meditação contemplativa</translation>
    </message>
    <message>
        <source>Unlike the Complete Meditation program, this one will only lower you down to the theta wave state. This frequency is associated with deep meditation and will allow you more brain activity during your session. It uses the same blue light to help keep your circadian rhythm in the waking state.</source>
        <translation>Ao contrário de “Meditação completa”, este programa leva você só até o estado teta. Essa frequência está ligada à meditação profunda e permite mais atividade cerebral durante a sessão. Usa a mesma luz azul para manter seu ritmo circadiano no estado de vigília.</translation>
    </message>
    <message>
        <source>Dream Sleep</source>
        <translation>Sono com sonhos</translation>
    </message>
    <message>
        <source>This program also takes you down to the theta wave state, but uses red light for minimal effect on the circadian rhythm. During sleep, the theta wave frequencies are associated with REM sleep and a period of dreaming.</source>
        <translation>Este programa também leva você ao estado teta, mas com luz vermelha, que quase não afeta o ritmo circadiano. Durante o sono, as frequências teta estão ligadas ao sono REM, a fase dos sonhos.</translation>
    </message>
    <message>
        <source>Morning Wake</source>
        <translation>Despertar matinal</translation>
    </message>
    <message>
        <source>This selection is designed for short session that will invigorate your mind and bring it up from the lower frequencies associated with sleep. All of the colors used during this session contain blue light, which reacts with circadian system to bring you to a waking state.</source>
        <translation>Este programa foi feito para sessões curtas que revigoram a mente e a trazem de volta das frequências baixas do sono. Todas as cores desta sessão contêm luz azul, que age sobre o ritmo circadiano para despertar você.</translation>
    </message>
    <message>
        <source>Quick Meditation</source>
        <translation>Meditação rápida</translation>
    </message>
    <message>
        <source> This program is designed for shorter duration meditation sessions. It will only take you down to the alpha wave state, this will allow a quick relaxation without making it difficult to bring yourself back to an awake and fully alert state.</source>
        <translation>Este programa foi feito para sessões de meditação mais curtas. Leva você só até o estado alfa: você relaxa depressa e depois volta sem esforço a um estado desperto e totalmente alerta.</translation>
    </message>
    <message>
        <source>Relaxed to Deep Thought</source>
        <translation>Do relaxamento à contemplação</translation>
    </message>
    <message>
        <source>This program is exactly like the Deep Thought Meditation program, except it begins your journey at the high alpha wave state. This is beneficial if you are already in a relaxed state and find the Deep Thought Meditation program starts off at too high a frequency.</source>
        <translation>Este programa é igual a “Meditação contemplativa”, mas começa a jornada no estado alfa alto. É útil se você já está relaxado e acha que “Meditação contemplativa” começa com uma frequência alta demais.</translation>
    </message>
    <message>
        <source>Relaxed to Complete Meditation</source>
        <translation>Do relaxamento à meditação completa</translation>
    </message>
    <message>
        <source>This program is equivalent to the Complete Meditation program in the same way that the Relaxed to Deep Thought program is similar to Deep Thought Meditation. Use it if you are beginning in a relaxed state and want to go down to a deep meditation.</source>
        <translation>Este programa está para “Meditação completa” assim como “Do relaxamento à contemplação” está para “Meditação contemplativa”. Use-o se você já começa relaxado e quer descer a uma meditação profunda.</translation>
    </message>
    <message>
        <source>Tired to Deep Sleep</source>
        <translation>Do cansaço ao sono profundo</translation>
    </message>
    <message>
        <source>This program is designed for people who are already tired or relaxed and want to go down to the sleep state that the Deep Sleep program induces.</source>
        <translation>Este programa foi feito para quem já está cansado ou relaxado e quer descer ao estado de sono que “Sono profundo” induz.</translation>
    </message>
    <message>
        <source>Tired to Dreaming</source>
        <translation>Do cansaço aos sonhos</translation>
    </message>
    <message>
        <source>This program is designed for people who are already tired or relaxed and want to go down to the sleep state that the Dream Sleep program induces.</source>
        <translation>Este programa foi feito para quem já está cansado ou relaxado e quer descer ao estado de sono que “Sono com sonhos” induz.</translation>
    </message>
</context>
<context>
    <name>Timeline</name>
    <message>
        <source>Ending...</source>
        <translation>Encerrando…</translation>
    </message>
    <message>
        <source>Time Left: %1 Press esc to exit visualizer</source>
        <translation>Tempo restante: %1 – Esc para sair</translation>
    </message>
</context>
<context>
    <name>ToneKind</name>
    <message>
        <source>Binaural Beat (Headphones)</source>
        <translation>Batida binaural (fones de ouvido)</translation>
    </message>
    <message>
        <source>Isochronic Pulses (Speakers)</source>
        <translation>Pulsos isocrônicos (alto-falantes)</translation>
    </message>
    <message>
        <source>Monaural Beat (Speakers)</source>
        <translation>Batida monaural (alto-falantes)</translation>
    </message>
</context>
<context>
    <name>TonePlayer</name>
    <message>
        <source>Binaural tone</source>
        <translation>Tom binaural</translation>
    </message>
</context>
<context>
    <name>BeatPlot</name>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Hz</translation>
    </message>
</context>
<context>
    <name>KeyFile</name>
    <message>
        <source>&quot;%1&quot; is not a group name</source>
        <translation>“%1” não é um nome de grupo</translation>
    </message>
    <message>
        <source>the line is neither a [group], a key=value pair nor a #comment</source>
        <translation>a linha não é um [grupo], nem um par chave=valor, nem um #comentário</translation>
    </message>
    <message>
        <source>a key comes before the first group</source>
        <translation>uma chave aparece antes do primeiro grupo</translation>
    </message>
</context>
<context>
    <name>ProgramChoice</name>
    <message>
        <source>This program&apos;s file has an error.</source>
        <translation>O arquivo deste programa tem um erro.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>ProgramEditor</name>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nome:</translation>
    </message>
    <message>
        <source>&amp;Description:</source>
        <translation>&amp;Descrição:</translation>
    </message>
    <message>
        <source>&amp;Stages, in the order they play:</source>
        <translation>&amp;Etapas, na ordem em que tocam:</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Beat from (Hz)</source>
        <translation>Batida de (Hz)</translation>
    </message>
    <message>
        <source>Beat to (Hz)</source>
        <translation>Batida até (Hz)</translation>
    </message>
    <message>
        <source>Colour from</source>
        <translation>Cor de</translation>
    </message>
    <message>
        <source>Colour to</source>
        <translation>Cor até</translation>
    </message>
    <message>
        <source>&amp;Add Stage</source>
        <translation>&amp;Adicionar etapa</translation>
    </message>
    <message>
        <source>&amp;Remove Stage</source>
        <translation>&amp;Remover etapa</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>Mover para &amp;cima</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Mover para &amp;baixo</translation>
    </message>
    <message>
        <source>The beat over a session of %1:</source>
        <translation>A batida ao longo de uma sessão de %1:</translation>
    </message>
    <message>
        <source>Stage %1, %2: %3</source>
        <translation>Etapa %1, %2: %3</translation>
    </message>
    <message>
        <source>A program needs a name.</source>
        <translation>Um programa precisa de um nome.</translation>
    </message>
    <message>
        <source>Name: a program needs a name.</source>
        <translation>Nome: um programa precisa de um nome.</translation>
    </message>
    <message>
        <source>A program needs at least one stage.</source>
        <translation>Um programa precisa de pelo menos uma etapa.</translation>
    </message>
    <message>
        <source>Write a time such as 90s, 5m or 1h30m, a share of the session such as 20%, or rest.</source>
        <translation>Escreva um tempo como 90s, 5m ou 1h30m, uma parte da sessão como 20%, ou rest.</translation>
    </message>
    <message>
        <source>Stage %1 takes the rest already; only one stage may.</source>
        <translation>A etapa %1 já fica com o resto; só uma etapa pode.</translation>
    </message>
    <message>
        <source>The shares of the session come to more than 100%.</source>
        <translation>As partes da sessão somam mais de 100%.</translation>
    </message>
    <message>
        <source>Write a beat from 0.5 to 40 Hz.</source>
        <translation>Escreva uma batida de 0.5 a 40 Hz.</translation>
    </message>
    <message>
        <source>Write one of %1, or #rrggbb.</source>
        <translation>Escreva uma destas: %1, ou #rrggbb.</translation>
    </message>
    <message>
        <source>The plot returns when every stage can be read.</source>
        <translation>O gráfico volta quando cada etapa puder ser lida.</translation>
    </message>
</context>
<context>
    <name>ProgramFile</name>
    <message>
        <source>%1: there is no such file</source>
        <translation>%1: esse arquivo não existe</translation>
    </message>
    <message>
        <source>%1: the file cannot be read: %2</source>
        <translation>%1: o arquivo não pode ser lido: %2</translation>
    </message>
    <message>
        <source>%1: the file is larger than 1 MiB; a program file is a few lines of text</source>
        <translation>%1: o arquivo tem mais de 1 MiB; um arquivo de programa tem poucas linhas de texto</translation>
    </message>
    <message>
        <source>%1: line %2: %3</source>
        <translation>%1: linha %2: %3</translation>
    </message>
    <message>
        <source>%1: Stage %2, %3 (line %4): %5</source>
        <translation>%1: Stage %2, %3 (linha %4): %5</translation>
    </message>
    <message>
        <source>this is not a text file (it holds a zero byte)</source>
        <translation>não é um arquivo de texto (contém um byte nulo)</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>o texto não está em UTF-8</translation>
    </message>
    <message>
        <source>%1: there is no [Velmora Program] group</source>
        <translation>%1: não há grupo [Velmora Program]</translation>
    </message>
    <message>
        <source>[Velmora Program] has no Name</source>
        <translation>[Velmora Program] não tem Name</translation>
    </message>
    <message>
        <source>[%1]: stages are numbered from 1 to %2, as [Stage 1]</source>
        <translation>[%1]: as etapas são numeradas de 1 a %2, como [Stage 1]</translation>
    </message>
    <message>
        <source>the program has no stages; add a [Stage 1] group</source>
        <translation>o programa não tem etapas; adicione um grupo [Stage 1]</translation>
    </message>
    <message>
        <source>%1: Stage %2 (line %3): there is no %4</source>
        <translation>%1: Stage %2 (linha %3): falta %4</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a length; write a time such as 90s, 5m or 1h30m, a share of the session such as 20%, or rest</source>
        <translation>“%1” não é uma duração; escreva um tempo como 90s, 5m ou 1h30m, uma parte da sessão como 20%, ou rest</translation>
    </message>
    <message>
        <source>Stage %1 takes the rest already; only one stage may</source>
        <translation>a etapa %1 já fica com o resto; só uma etapa pode</translation>
    </message>
    <message>
        <source>the shares of the session come to more than 100%</source>
        <translation>as partes da sessão somam mais de 100%</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a beat from 0.5 to 40 Hz; write one such as 8, or a ramp such as 18 to 8</source>
        <translation>“%1” não é uma batida de 0.5 a 40 Hz; escreva uma como 8, ou uma rampa como 18 to 8</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a kind of tone; write one of %2</source>
        <translation>“%1” não é um tipo de tom; escreva um de %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a colour; write one of %2 or #rrggbb, or a ramp such as yellow to blue</source>
        <translation>“%1” não é uma cor; escreva uma de %2 ou #rrggbb, ou uma rampa como yellow to blue</translation>
    </message>
</context>
<context>
    <name>ProgramLibrary</name>
    <message>
        <source>%1: the program could not be saved: %2</source>
        <translation>%1: não foi possível salvar o programa: %2</translation>
    </message>
    <message>
        <source>%1: the file cannot be read: %2</source>
        <translation>%1: o arquivo não pode ser lido: %2</translation>
    </message>
    <message>
        <source>%1: the program could not be moved to the trash: %2</source>
        <translation>%1: não foi possível mover o programa para a lixeira: %2</translation>
    </message>
</context>
<context>
    <name>StagePlanner</name>
    <message>
        <source>This program&apos;s shares of the session leave no time for its fixed stages.</source>
        <translation>As partes da sessão deste programa não deixam tempo para as etapas fixas.</translation>
    </message>
    <message>
        <source>This program needs at least %1.</source>
        <translation>Este programa precisa de pelo menos %1.</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>%1 h</source>
        <translation>%1 h</translation>
    </message>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
</context>
</TS>

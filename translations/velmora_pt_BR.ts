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
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Flashes the whole screen 3 to 27 times a second. Flashing light at these rates can trigger seizures in people with photosensitive epilepsy: leave Visualizer unchecked if you may be at risk.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;Faz a tela inteira piscar de 3 a 27 vezes por segundo. Luz piscando nessas frequências pode provocar crises em pessoas com epilepsia fotossensível: se você pode estar em risco, deixe “Visualizador” desmarcado.&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
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
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-family:&apos;Lucida Grande&apos;;&quot;&gt;Escolha um programa na lista à esquerda. A descrição dele aparecerá aqui. &lt;/span&gt;&lt;/p&gt;
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
        <translation>Como o programa anterior, este também leva você da vigília normal até as frequências delta, ligadas ao sono profundo e à perda da consciência do corpo. Usa luz vermelha de onda longa, que afeta menos o ritmo circadiano do que a luz azul, para você se entregar a um sono reparador.</translation>
    </message>
    <message>
        <source>Deep Thought Meditation</source>
        <translation>Meditação contemplativa</translation>
    </message>
    <message>
        <source>Unlike the Complete Meditation program, this one will only lower you down to the theta wave state. This frequency is associated with deep meditation and will allow you more brain activity during your session. It uses the same blue light to help keep your circadian rhythm in the waking state.</source>
        <translation>Diferente de “Meditação completa”, este programa leva você só até o estado teta. Essa frequência está ligada à meditação profunda e deixa mais atividade ao cérebro durante a sessão. Usa a mesma luz azul para manter seu ritmo circadiano no estado de vigília.</translation>
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
    <name>TonePlayer</name>
    <message>
        <source>Binaural tone</source>
        <translation>Tom binaural</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name></name>
    <message id="banner.cleanedMessage">
        <source>%1 of junk was removed automatically.</source>
        <translation>%1 de arquivos inúteis removidos automaticamente.</translation>
    </message>
    <message id="banner.cleanedTitle">
        <source>Junk cleaned</source>
        <translation>Limpeza concluída</translation>
    </message>
    <message id="banner.folderRefusedMsg">
        <source>%1 was not read: it is, or holds, your home folder or another of your folders, or it is not yours.</source>
        <translation>%1 não foi lida: é ou contém sua pasta pessoal ou outra de suas pastas, ou não pertence a você.</translation>
    </message>
    <message id="banner.folderRefusedTitle">
        <source>A folder was left alone</source>
        <translation>Uma pasta foi ignorada</translation>
    </message>
    <message id="banner.foundMessage">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1 de arquivos inúteis prontos para limpar.</translation>
    </message>
    <message id="banner.foundTitle">
        <source>Junk found</source>
        <translation>Arquivos inúteis encontrados</translation>
    </message>
    <message id="banner.leftoversRemovedMessage">
        <source>The leftovers of %1 were moved to the Trash; the application stays installed.</source>
        <translation>Os resíduos de %1 foram movidos para a lixeira; o aplicativo continua instalado.</translation>
    </message>
    <message id="banner.notRestoredTitle">
        <source>Nothing put back</source>
        <translation>Nada foi restaurado</translation>
    </message>
    <message id="banner.nothingToRestore">
        <source>Nothing from the last move is left to put back.</source>
        <translation>Não resta nada da última movimentação para restaurar.</translation>
    </message>
    <message id="banner.removalRefusedTitle">
        <source>Nothing was removed</source>
        <translation>Nada foi removido</translation>
    </message>
    <message id="banner.restoreUnreadable">
        <source>The record of the last move cannot be read.</source>
        <translation>Não é possível ler o registro da última movimentação.</translation>
    </message>
    <message id="banner.restoredMessage" numerus="yes">
        <source>%Ln items are back in their places.</source>
        <translation>
            <numerusform>%Ln item voltou ao lugar.</numerusform>
            <numerusform>%Ln itens voltaram ao lugar.</numerusform>
        </translation>
    </message>
    <message id="banner.restoredTitle">
        <source>Put back</source>
        <translation>Restaurado</translation>
    </message>
    <message id="banner.stayedNotInTrash" numerus="yes">
        <source>%Ln are no longer in the Trash.</source>
        <translation>
            <numerusform>%Ln não está mais na lixeira.</numerusform>
            <numerusform>%Ln não estão mais na lixeira.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOccupied" numerus="yes">
        <source>%Ln stayed in the Trash: their places are taken.</source>
        <translation>
            <numerusform>%Ln ficou na lixeira: o lugar está ocupado.</numerusform>
            <numerusform>%Ln ficaram na lixeira: os lugares estão ocupados.</numerusform>
        </translation>
    </message>
    <message id="banner.stayedOther" numerus="yes">
        <source>%Ln could not be put back.</source>
        <translation>
            <numerusform>%Ln não pôde ser restaurado.</numerusform>
            <numerusform>%Ln não puderam ser restaurados.</numerusform>
        </translation>
    </message>
    <message id="banner.testMessage">
        <source>This is how Tornivo reports background work.</source>
        <translation>É assim que o Tornivo avisa sobre tarefas em segundo plano.</translation>
    </message>
    <message id="banner.testTitle">
        <source>Test banner</source>
        <translation>Aviso de teste</translation>
    </message>
    <message id="banner.trashedMessage" numerus="yes">
        <source>%Ln items, %1</source>
        <translation>
            <numerusform>%Ln item, %1</numerusform>
            <numerusform>%Ln itens, %1</numerusform>
        </translation>
    </message>
    <message id="banner.trashedTitle">
        <source>Moved to the Trash</source>
        <translation>Movido para a lixeira</translation>
    </message>
    <message id="banner.tuneDoneMsg">
        <source>The task finished.</source>
        <translation>A tarefa foi concluída.</translation>
    </message>
    <message id="banner.tuneFailMsg">
        <source>The task failed or was cancelled.</source>
        <translation>A tarefa falhou ou foi cancelada.</translation>
    </message>
    <message id="banner.tuneFreedMsg">
        <source>The task finished and freed %1.</source>
        <translation>A tarefa terminou e liberou %1.</translation>
    </message>
    <message id="banner.undo">
        <source>Undo</source>
        <translation>Desfazer</translation>
    </message>
    <message id="banner.uninstalledMessage">
        <source>%1 and its leftovers were moved to the Trash.</source>
        <translation>%1 e seus resíduos foram movidos para a lixeira.</translation>
    </message>
    <message id="banner.uninstalledTitle">
        <source>Uninstalled</source>
        <translation>Desinstalado</translation>
    </message>
    <message id="banner.updateMsg">
        <source>Tornivo %1 is ready to download.</source>
        <translation>O Tornivo %1 está pronto para baixar.</translation>
    </message>
    <message id="banner.updateTitle">
        <source>Update available</source>
        <translation>Atualização disponível</translation>
    </message>
    <message id="clean.category.appCache">
        <source>Application caches</source>
        <translation>Caches de aplicativos</translation>
    </message>
    <message id="clean.category.systemLogs">
        <source>Logs</source>
        <translation>Logs</translation>
    </message>
    <message id="clean.cleanButton">
        <source>Clean</source>
        <translation>Limpar</translation>
    </message>
    <message id="clean.cleaning">
        <source>Cleaning…</source>
        <translation>Limpando…</translation>
    </message>
    <message id="clean.closeAppsMessage">
        <source>Everything selected belongs to applications that are running: %1. Quit them, then clean again.</source>
        <translation>Tudo o que foi selecionado pertence a aplicativos em execução: %1. Feche-os e limpe novamente.</translation>
    </message>
    <message id="clean.closeAppsTitle">
        <source>Quit running applications</source>
        <translation>Fechar aplicativos em execução</translation>
    </message>
    <message id="clean.freed">
        <source>freed</source>
        <translation>liberados</translation>
    </message>
    <message id="clean.idleHint">
        <source>Click to scan your caches and logs for junk.</source>
        <translation>Clique para procurar arquivos inúteis nos seus caches e logs.</translation>
    </message>
    <message id="clean.inUseBy">
        <source>In use by %1</source>
        <translation>Em uso por %1</translation>
    </message>
    <message id="clean.junkFound">
        <source>of junk found</source>
        <translation>de arquivos inúteis encontrados</translation>
    </message>
    <message id="clean.scanning">
        <source>Scanning caches and logs…</source>
        <translation>Analisando caches e logs…</translation>
    </message>
    <message id="clean.selectedTotal">
        <source>%1 selected</source>
        <translation>%1 selecionados</translation>
    </message>
    <message id="clean.skipped">
        <source>Left alone while running: %1</source>
        <translation>Aplicativos abertos ignorados: %1</translation>
    </message>
    <message id="common.cancel">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="common.destructive">
        <source>Cannot be undone</source>
        <translation>Não pode ser desfeito</translation>
    </message>
    <message id="common.done">
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message id="common.filesSeen" numerus="yes">
        <source>%Ln files looked at</source>
        <translation>
            <numerusform>%Ln arquivo verificado</numerusform>
            <numerusform>%Ln arquivos verificados</numerusform>
        </translation>
    </message>
    <message id="common.left.busy" numerus="yes">
        <source>%Ln in use</source>
        <translation>
            <numerusform>%Ln em uso</numerusform>
            <numerusform>%Ln em uso</numerusform>
        </translation>
    </message>
    <message id="common.left.changed" numerus="yes">
        <source>%Ln changed since the scan</source>
        <translation>
            <numerusform>%Ln alterado desde a análise</numerusform>
            <numerusform>%Ln alterados desde a análise</numerusform>
        </translation>
    </message>
    <message id="common.left.failed" numerus="yes">
        <source>%Ln for another reason</source>
        <translation>
            <numerusform>%Ln por outro motivo</numerusform>
            <numerusform>%Ln por outros motivos</numerusform>
        </translation>
    </message>
    <message id="common.left.noTrash" numerus="yes">
        <source>%Ln with no Trash to take it</source>
        <translation>
            <numerusform>%Ln sem lixeira disponível</numerusform>
            <numerusform>%Ln sem lixeira disponível</numerusform>
        </translation>
    </message>
    <message id="common.left.otherFileSystem" numerus="yes">
        <source>%Ln on another file system</source>
        <translation>
            <numerusform>%Ln em outro sistema de arquivos</numerusform>
            <numerusform>%Ln em outro sistema de arquivos</numerusform>
        </translation>
    </message>
    <message id="common.left.permissionDenied" numerus="yes">
        <source>%Ln not permitted</source>
        <translation>
            <numerusform>%Ln sem permissão</numerusform>
            <numerusform>%Ln sem permissão</numerusform>
        </translation>
    </message>
    <message id="common.left.protected" numerus="yes">
        <source>%Ln in a protected folder</source>
        <translation>
            <numerusform>%Ln em uma pasta protegida</numerusform>
            <numerusform>%Ln em pastas protegidas</numerusform>
        </translation>
    </message>
    <message id="common.left.stopped" numerus="yes">
        <source>%Ln not reached before you stopped</source>
        <translation>
            <numerusform>%Ln não alcançado antes da interrupção</numerusform>
            <numerusform>%Ln não alcançados antes da interrupção</numerusform>
        </translation>
    </message>
    <message id="common.left.systemFolder" numerus="yes">
        <source>%Ln folders that are never removed</source>
        <translation>
            <numerusform>%Ln pasta que nunca é removida</numerusform>
            <numerusform>%Ln pastas que nunca são removidas</numerusform>
        </translation>
    </message>
    <message id="common.leftBehind" numerus="yes">
        <source>%Ln items stayed behind: %1.</source>
        <translation>
            <numerusform>%Ln item não foi removido: %1.</numerusform>
            <numerusform>%Ln itens não foram removidos: %1.</numerusform>
        </translation>
    </message>
    <message id="common.ok">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="common.readingFolder">
        <source>Reading %1</source>
        <translation>Lendo %1</translation>
    </message>
    <message id="common.refresh">
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message id="common.refusedFolders" numerus="yes">
        <source>%Ln folders left alone</source>
        <translation>
            <numerusform>%Ln pasta ignorada</numerusform>
            <numerusform>%Ln pastas ignoradas</numerusform>
        </translation>
    </message>
    <message id="common.scanAgain">
        <source>Scan again</source>
        <translation>Analisar novamente</translation>
    </message>
    <message id="common.unreadFolders" numerus="yes">
        <source>%Ln folders could not be read</source>
        <translation>
            <numerusform>%Ln pasta ilegível</numerusform>
            <numerusform>%Ln pastas ilegíveis</numerusform>
        </translation>
    </message>
    <message id="dev.activeLastOpened">
        <source>Active · last used %1</source>
        <translation>Ativo · usado %1</translation>
    </message>
    <message id="dev.activeUntouched">
        <source>Active projects were left untouched.</source>
        <translation>Os projetos ativos não foram alterados.</translation>
    </message>
    <message id="dev.cleanButton">
        <source>Clean %1</source>
        <translation>Limpar %1</translation>
    </message>
    <message id="dev.days" numerus="yes">
        <source>%Ln days</source>
        <translation>
            <numerusform>%Ln dia</numerusform>
            <numerusform>%Ln dias</numerusform>
        </translation>
    </message>
    <message id="dev.description">
        <source>Reclaim the build output of projects you have not worked on lately.</source>
        <translation>Recupere o espaço dos arquivos de compilação de projetos em que você não mexe há algum tempo.</translation>
    </message>
    <message id="dev.inspecting">
        <source>Looking for build folders…</source>
        <translation>Procurando pastas de compilação…</translation>
    </message>
    <message id="dev.lastOpenedSafe">
        <source>Last used %1 · safe to clean</source>
        <translation>Usado %1 · pode ser limpo</translation>
    </message>
    <message id="dev.noJunkMessage">
        <source>Every project with build output was active recently.</source>
        <translation>Todos os projetos com arquivos de compilação estiveram ativos recentemente.</translation>
    </message>
    <message id="dev.noJunkTitle">
        <source>Nothing to clean</source>
        <translation>Nada para limpar</translation>
    </message>
    <message id="dev.protectWindow">
        <source>Protect projects active within</source>
        <translation>Proteger projetos ativos nos últimos</translation>
    </message>
    <message id="dev.protectedMany">
        <source>%1 are active and stay protected.</source>
        <translation>%1 estão ativos e continuam protegidos.</translation>
    </message>
    <message id="dev.protectedOne">
        <source>%1 is active and stays protected.</source>
        <translation>%1 está ativo e continua protegido.</translation>
    </message>
    <message id="dev.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 recuperáveis</translation>
    </message>
    <message id="dev.reclaimed">
        <source>%1 reclaimed</source>
        <translation>%1 recuperados</translation>
    </message>
    <message id="dev.scan">
        <source>Scan projects</source>
        <translation>Analisar projetos</translation>
    </message>
    <message id="dev.selectPrompt">
        <source>Select projects to clean</source>
        <translation>Selecione projetos para limpar</translation>
    </message>
    <message id="dev.title">
        <source>Developer build folders</source>
        <translation>Pastas de compilação</translation>
    </message>
    <message id="dup.autoResolve">
        <source>Keep first</source>
        <translation>Manter o primeiro</translation>
    </message>
    <message id="dup.bytesCompared">
        <source>%1 of %2 compared</source>
        <translation>%1 de %2 comparados</translation>
    </message>
    <message id="dup.contentMatched">
        <source>Matched by content</source>
        <translation>Mesmo conteúdo</translation>
    </message>
    <message id="dup.copies" numerus="yes">
        <source>%Ln copies</source>
        <translation>
            <numerusform>%Ln cópia</numerusform>
            <numerusform>%Ln cópias</numerusform>
        </translation>
    </message>
    <message id="dup.description">
        <source>Find files with identical contents in your personal folders and keep one copy of each.</source>
        <translation>Encontre arquivos com conteúdo idêntico nas suas pastas pessoais e mantenha uma cópia de cada.</translation>
    </message>
    <message id="dup.eachSave">
        <source>%1 each · saves %2</source>
        <translation>%1 cada · economiza %2</translation>
    </message>
    <message id="dup.find">
        <source>Find duplicates</source>
        <translation>Encontrar duplicatas</translation>
    </message>
    <message id="dup.hashing">
        <source>Comparing file contents…</source>
        <translation>Comparando o conteúdo dos arquivos…</translation>
    </message>
    <message id="dup.keepHelp">
        <source>Keep this copy and move the others to the Trash</source>
        <translation>Manter esta cópia e mover as outras para a lixeira</translation>
    </message>
    <message id="dup.keepThis">
        <source>Keep this</source>
        <translation>Manter</translation>
    </message>
    <message id="dup.reclaimable">
        <source>%1 reclaimable</source>
        <translation>%1 recuperáveis</translation>
    </message>
    <message id="dup.removeAll">
        <source>Remove all duplicates</source>
        <translation>Remover todas as duplicatas</translation>
    </message>
    <message id="dup.title">
        <source>Duplicate files</source>
        <translation>Arquivos duplicados</translation>
    </message>
    <message id="header.mute">
        <source>Mute sounds</source>
        <translation>Desativar sons</translation>
    </message>
    <message id="header.quit">
        <source>Quit Tornivo</source>
        <translation>Sair do Tornivo</translation>
    </message>
    <message id="header.settings">
        <source>Settings</source>
        <translation>Configurações</translation>
    </message>
    <message id="header.unmute">
        <source>Turn sounds on</source>
        <translation>Ativar sons</translation>
    </message>
    <message id="inst.description">
        <source>Find disk images and installer packages left in Downloads and on the Desktop.</source>
        <translation>Encontre imagens de disco e pacotes de instalação deixados em Downloads e na Área de Trabalho.</translation>
    </message>
    <message id="inst.find">
        <source>Find installers</source>
        <translation>Encontrar instaladores</translation>
    </message>
    <message id="inst.installed">
        <source>%1 is already installed</source>
        <translation>%1 já está instalado</translation>
    </message>
    <message id="inst.kind">
        <source>Installer (%1)</source>
        <translation>Instalador (%1)</translation>
    </message>
    <message id="inst.move">
        <source>Move %1 to Trash</source>
        <translation>Mover %1 para a lixeira</translation>
    </message>
    <message id="inst.searching">
        <source>Looking for installers…</source>
        <translation>Procurando instaladores…</translation>
    </message>
    <message id="inst.select">
        <source>Select installers to remove</source>
        <translation>Selecione instaladores para remover</translation>
    </message>
    <message id="inst.title">
        <source>Leftover installers</source>
        <translation>Instaladores esquecidos</translation>
    </message>
    <message id="kind.archives">
        <source>Archives</source>
        <translation>Compactados</translation>
    </message>
    <message id="kind.audio">
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message id="kind.developer">
        <source>Developer files</source>
        <translation>Arquivos de desenvolvimento</translation>
    </message>
    <message id="kind.documents">
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message id="kind.images">
        <source>Images</source>
        <translation>Imagens</translation>
    </message>
    <message id="kind.other">
        <source>Other</source>
        <translation>Outros</translation>
    </message>
    <message id="kind.videos">
        <source>Videos</source>
        <translation>Vídeos</translation>
    </message>
    <message id="large.emptyHint">
        <source>Find big files in your personal folders that you have not opened for three months.</source>
        <translation>Encontre arquivos grandes nas suas pastas pessoais que você não abre há três meses.</translation>
    </message>
    <message id="large.find">
        <source>Find large files</source>
        <translation>Encontrar arquivos grandes</translation>
    </message>
    <message id="large.lastOpened">
        <source>Last opened %1</source>
        <translation>Aberto %1</translation>
    </message>
    <message id="large.move">
        <source>Move %1 to Trash</source>
        <translation>Mover %1 para a lixeira</translation>
    </message>
    <message id="large.neverOpened">
        <source>Never opened</source>
        <translation>Nunca aberto</translation>
    </message>
    <message id="large.searching">
        <source>Searching for large files…</source>
        <translation>Procurando arquivos grandes…</translation>
    </message>
    <message id="large.select">
        <source>Select files to remove</source>
        <translation>Selecione arquivos para remover</translation>
    </message>
    <message id="settings.about">
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message id="settings.accent">
        <source>Accent color</source>
        <translation>Cor de destaque</translation>
    </message>
    <message id="settings.appearance">
        <source>Appearance</source>
        <translation>Aparência</translation>
    </message>
    <message id="settings.autoClean">
        <source>Clean automatically</source>
        <translation>Limpar automaticamente</translation>
    </message>
    <message id="settings.autoCleanHint">
        <source>Remove the junk a scheduled scan finds instead of only reporting it.</source>
        <translation>Remove os arquivos inúteis que uma análise agendada encontrar, em vez de só avisar.</translation>
    </message>
    <message id="settings.checkUpdate">
        <source>Check for updates</source>
        <translation>Verificar atualizações</translation>
    </message>
    <message id="settings.checking">
        <source>Checking…</source>
        <translation>Verificando…</translation>
    </message>
    <message id="settings.currentVersion">
        <source>Version %1</source>
        <translation>Versão %1</translation>
    </message>
    <message id="settings.desktopBanners">
        <source>Desktop notifications</source>
        <translation>Notificações da área de trabalho</translation>
    </message>
    <message id="settings.desktopBannersHint">
        <source>Show banners through the desktop's notifications instead of Tornivo's own window.</source>
        <translation>Mostrar os avisos pelas notificações da área de trabalho em vez da janela do Tornivo.</translation>
    </message>
    <message id="settings.download">
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message id="settings.interval.daily">
        <source>Daily</source>
        <translation>Diário</translation>
    </message>
    <message id="settings.interval.off">
        <source>Off</source>
        <translation>Desligado</translation>
    </message>
    <message id="settings.interval.threeDays">
        <source>Every 3 days</source>
        <translation>A cada 3 dias</translation>
    </message>
    <message id="settings.interval.weekly">
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message id="settings.lang.system">
        <source>System language</source>
        <translation>Idioma do sistema</translation>
    </message>
    <message id="settings.language">
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message id="settings.lastRun">
        <source>Last run %1</source>
        <translation>Última análise %1</translation>
    </message>
    <message id="settings.lastRunNever">
        <source>Not run yet</source>
        <translation>Nenhuma análise ainda</translation>
    </message>
    <message id="settings.mode.dark">
        <source>Dark</source>
        <translation>Escuro</translation>
    </message>
    <message id="settings.mode.light">
        <source>Light</source>
        <translation>Claro</translation>
    </message>
    <message id="settings.mode.system">
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message id="settings.protected">
        <source>Protected folders</source>
        <translation>Pastas protegidas</translation>
    </message>
    <message id="settings.protectedAdd">
        <source>Add folders…</source>
        <translation>Adicionar pastas…</translation>
    </message>
    <message id="settings.protectedEmpty">
        <source>No protected folders.</source>
        <translation>Nenhuma pasta protegida.</translation>
    </message>
    <message id="settings.protectedHint">
        <source>Scans never list anything inside these folders.</source>
        <translation>As análises nunca listam nada dentro destas pastas.</translation>
    </message>
    <message id="settings.protectedRemove">
        <source>Stop protecting this folder</source>
        <translation>Deixar de proteger esta pasta</translation>
    </message>
    <message id="settings.protectedUnreadable">
        <source>The protected folders in %1 cannot be read, so nothing is removed until that file is mended or removed.</source>
        <translation>As pastas protegidas em %1 não podem ser lidas; nada será removido até que esse arquivo seja corrigido ou removido.</translation>
    </message>
    <message id="settings.schedule">
        <source>Schedule</source>
        <translation>Agendamento</translation>
    </message>
    <message id="settings.scheduleHint">
        <source>Scan for junk in the background while Tornivo is running.</source>
        <translation>Procurar arquivos inúteis em segundo plano enquanto o Tornivo estiver aberto.</translation>
    </message>
    <message id="settings.sounds">
        <source>Sounds</source>
        <translation>Sons</translation>
    </message>
    <message id="settings.startAtLogin">
        <source>Start at login</source>
        <translation>Abrir ao iniciar a sessão</translation>
    </message>
    <message id="settings.startAtLoginHint">
        <source>Opens Tornivo in the tray when you log in, so that scheduled scans keep running.</source>
        <translation>Abre o Tornivo na bandeja do sistema ao iniciar a sessão, para que as análises agendadas continuem.</translation>
    </message>
    <message id="settings.testBanner">
        <source>Show test banner</source>
        <translation>Mostrar aviso de teste</translation>
    </message>
    <message id="settings.upToDate">
        <source>Tornivo %1 is up to date.</source>
        <translation>O Tornivo %1 está atualizado.</translation>
    </message>
    <message id="settings.updateAvailable">
        <source>Version %1 is available.</source>
        <translation>A versão %1 está disponível.</translation>
    </message>
    <message id="settings.updateFailed">
        <source>Could not check for updates.</source>
        <translation>Não foi possível verificar atualizações.</translation>
    </message>
    <message id="settings.updates">
        <source>Updates</source>
        <translation>Atualizações</translation>
    </message>
    <message id="settings.version">
        <source>Tornivo %1</source>
        <translation>Tornivo %1</translation>
    </message>
    <message id="shred.button">
        <source>Shred Trash</source>
        <translation>Triturar a lixeira</translation>
    </message>
    <message id="shred.bytesWritten">
        <source>%1 of %2 written</source>
        <translation>%1 de %2 gravados</translation>
    </message>
    <message id="shred.confirmMessage">
        <source>Everything in the Trash is overwritten and deleted. This cannot be undone.</source>
        <translation>Tudo na lixeira será sobrescrito e apagado. Isso não pode ser desfeito.</translation>
    </message>
    <message id="shred.confirmTitle">
        <source>Shred the Trash?</source>
        <translation>Triturar a lixeira?</translation>
    </message>
    <message id="shred.emptyHint">
        <source>There is nothing to shred.</source>
        <translation>Não há nada para triturar.</translation>
    </message>
    <message id="shred.emptyTitle">
        <source>The Trash is empty</source>
        <translation>A lixeira está vazia</translation>
    </message>
    <message id="shred.eraseCount" numerus="yes">
        <source>Erase %Ln items</source>
        <translation>
            <numerusform>Apagar %Ln item</numerusform>
            <numerusform>Apagar %Ln itens</numerusform>
        </translation>
    </message>
    <message id="shred.erasedCount" numerus="yes">
        <source>%Ln items erased</source>
        <translation>
            <numerusform>%Ln item apagado</numerusform>
            <numerusform>%Ln itens apagados</numerusform>
        </translation>
    </message>
    <message id="shred.erasing">
        <source>Overwriting and erasing…</source>
        <translation>Sobrescrevendo e apagando…</translation>
    </message>
    <message id="shred.items" numerus="yes">
        <source>%Ln items in the Trash</source>
        <translation>
            <numerusform>%Ln item na lixeira</numerusform>
            <numerusform>%Ln itens na lixeira</numerusform>
        </translation>
    </message>
    <message id="shred.overwrite">
        <source>Overwrite</source>
        <translation>Sobrescrita</translation>
    </message>
    <message id="shred.overwritten">
        <source>%1 overwritten</source>
        <translation>%1 sobrescritos</translation>
    </message>
    <message id="shred.ssdNote">
        <source>On solid-state drives, overwriting cannot reach every copy the drive keeps; full-disk encryption protects those.</source>
        <translation>Em SSDs, a sobrescrita não alcança todas as cópias que a unidade guarda; a criptografia de disco completo as protege.</translation>
    </message>
    <message id="shred.strength.paranoid">
        <source>Paranoid (7 passes)</source>
        <translation>Paranoico (7 passagens)</translation>
    </message>
    <message id="shred.strength.quick">
        <source>Quick (1 pass)</source>
        <translation>Rápido (1 passagem)</translation>
    </message>
    <message id="shred.strength.standard">
        <source>Standard (3 passes)</source>
        <translation>Padrão (3 passagens)</translation>
    </message>
    <message id="status.cpu">
        <source>CPU</source>
        <translation>CPU</translation>
    </message>
    <message id="status.disk">
        <source>Disk</source>
        <translation>Disco</translation>
    </message>
    <message id="status.ram">
        <source>Memory</source>
        <translation>Memória</translation>
    </message>
    <message id="suggest.clean">
        <source>Clean</source>
        <translation>Limpar</translation>
    </message>
    <message id="suggest.devCaches">
        <source>%1 of old build output can go.</source>
        <translation>%1 de arquivos de compilação antigos podem ser removidos.</translation>
    </message>
    <message id="suggest.diskFull">
        <source>Disk is %1 full; %2 free.</source>
        <translation>Disco %1 cheio; %2 livres.</translation>
    </message>
    <message id="suggest.healthy">
        <source>Everything looks good.</source>
        <translation>Tudo certo.</translation>
    </message>
    <message id="suggest.installers" numerus="yes">
        <source>%Ln installers of installed applications take %1.</source>
        <translation>
            <numerusform>%Ln instalador de um aplicativo instalado ocupa %1.</numerusform>
            <numerusform>%Ln instaladores de aplicativos instalados ocupam %1.</numerusform>
        </translation>
    </message>
    <message id="suggest.junkReady">
        <source>%1 of junk is ready to clean.</source>
        <translation>%1 de arquivos inúteis prontos para limpar.</translation>
    </message>
    <message id="suggest.ramHigh">
        <source>Memory is %1 full.</source>
        <translation>Memória %1 cheia.</translation>
    </message>
    <message id="suggest.review">
        <source>Review</source>
        <translation>Revisar</translation>
    </message>
    <message id="suggest.scan">
        <source>Scan</source>
        <translation>Analisar</translation>
    </message>
    <message id="suggest.xray">
        <source>X-Ray</source>
        <translation>Raio X</translation>
    </message>
    <message id="tab.clean">
        <source>Clean</source>
        <translation>Limpar</translation>
    </message>
    <message id="tab.developer">
        <source>Developer</source>
        <translation>Desenvolvedor</translation>
    </message>
    <message id="tab.duplicates">
        <source>Duplicates</source>
        <translation>Duplicatas</translation>
    </message>
    <message id="tab.installers">
        <source>Installers</source>
        <translation>Instaladores</translation>
    </message>
    <message id="tab.large">
        <source>Large files</source>
        <translation>Arquivos grandes</translation>
    </message>
    <message id="tab.shred">
        <source>Shred</source>
        <translation>Triturar</translation>
    </message>
    <message id="tab.tuneup">
        <source>Tune-up</source>
        <translation>Otimizar</translation>
    </message>
    <message id="tab.uninstall">
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message id="tab.xray">
        <source>X-Ray</source>
        <translation>Raio X</translation>
    </message>
    <message id="theme.blue">
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message id="theme.graphite">
        <source>Graphite</source>
        <translation>Grafite</translation>
    </message>
    <message id="theme.green">
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message id="theme.orange">
        <source>Orange</source>
        <translation>Laranja</translation>
    </message>
    <message id="theme.pink">
        <source>Pink</source>
        <translation>Rosa</translation>
    </message>
    <message id="theme.purple">
        <source>Purple</source>
        <translation>Roxo</translation>
    </message>
    <message id="tray.open">
        <source>Open Tornivo</source>
        <translation>Abrir o Tornivo</translation>
    </message>
    <message id="tray.quit">
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message id="tune.adminNote">
        <source>Asks for the administrator password</source>
        <translation>Pede a senha de administrador</translation>
    </message>
    <message id="tune.dns.subtitle">
        <source>Forget cached name lookups</source>
        <translation>Esquecer as consultas de nomes em cache</translation>
    </message>
    <message id="tune.dns.title">
        <source>Flush DNS cache</source>
        <translation>Limpar o cache DNS</translation>
    </message>
    <message id="tune.dock.subtitle">
        <source>Reload the desktop panel</source>
        <translation>Recarregar o painel da área de trabalho</translation>
    </message>
    <message id="tune.dock.title">
        <source>Restart panel</source>
        <translation>Reiniciar o painel</translation>
    </message>
    <message id="tune.finder.subtitle">
        <source>Fix a stuck or misbehaving file manager</source>
        <translation>Corrigir um gerenciador de arquivos travado ou com problemas</translation>
    </message>
    <message id="tune.finder.title">
        <source>Restart file manager</source>
        <translation>Reiniciar gerenciador de arquivos</translation>
    </message>
    <message id="tune.fonts.subtitle">
        <source>Rebuild the font cache to fix broken fonts</source>
        <translation>Recriar o cache de fontes para corrigir fontes com defeito</translation>
    </message>
    <message id="tune.fonts.title">
        <source>Reset font cache</source>
        <translation>Redefinir cache de fontes</translation>
    </message>
    <message id="tune.journal.subtitle">
        <source>Delete old system logs, keeping the newest 200 MB</source>
        <translation>Apaga registros antigos e mantém os 200 MB mais recentes</translation>
    </message>
    <message id="tune.journal.title">
        <source>Shrink system journal</source>
        <translation>Reduzir registro do sistema</translation>
    </message>
    <message id="tune.memory.subtitle">
        <source>Release memory held by caches no application is using</source>
        <translation>Liberar a memória de caches que nenhum aplicativo usa</translation>
    </message>
    <message id="tune.memory.title">
        <source>Free memory</source>
        <translation>Liberar memória</translation>
    </message>
    <message id="tune.packages.subtitle">
        <source>Delete package files kept after installing updates</source>
        <translation>Apaga pacotes guardados após instalar atualizações</translation>
    </message>
    <message id="tune.packages.title">
        <source>Clean package cache</source>
        <translation>Limpar cache de pacotes</translation>
    </message>
    <message id="tune.quicklook.subtitle">
        <source>Clear the thumbnail cache of file previews</source>
        <translation>Limpar o cache de miniaturas das pré-visualizações</translation>
    </message>
    <message id="tune.quicklook.title">
        <source>Reset thumbnails</source>
        <translation>Redefinir miniaturas</translation>
    </message>
    <message id="tune.run">
        <source>Run</source>
        <translation>Executar</translation>
    </message>
    <message id="tune.runtimes.subtitle">
        <source>Uninstall Flatpak runtimes no installed application needs</source>
        <translation>Desinstala runtimes Flatpak que nenhum aplicativo usa</translation>
    </message>
    <message id="tune.runtimes.title">
        <source>Remove unused runtimes</source>
        <translation>Remover runtimes não usados</translation>
    </message>
    <message id="tune.subtitle">
        <source>One-click maintenance tasks</source>
        <translation>Manutenção com um clique</translation>
    </message>
    <message id="tune.title">
        <source>Tune-up</source>
        <translation>Otimizar</translation>
    </message>
    <message id="un.appBundle">
        <source>Application</source>
        <translation>Aplicativo</translation>
    </message>
    <message id="un.byName">
        <source>By name</source>
        <translation>Por nome</translation>
    </message>
    <message id="un.dropHint">
        <source>Or choose one from the list.</source>
        <translation>Ou escolha um na lista.</translation>
    </message>
    <message id="un.dropTitle">
        <source>Drop an application here</source>
        <translation>Solte um aplicativo aqui</translation>
    </message>
    <message id="un.flatpak">
        <source>A Flatpak: flatpak uninstall removes it; the leftovers go to the Trash.</source>
        <translation>Um Flatpak: flatpak uninstall o remove; os resíduos vão para a lixeira.</translation>
    </message>
    <message id="un.inspecting">
        <source>Looking for leftovers…</source>
        <translation>Procurando resíduos…</translation>
    </message>
    <message id="un.kind.cache">
        <source>Cache</source>
        <translation>Cache</translation>
    </message>
    <message id="un.kind.container">
        <source>Container</source>
        <translation>Contêiner</translation>
    </message>
    <message id="un.kind.launch">
        <source>Autostart entry</source>
        <translation>Início automático</translation>
    </message>
    <message id="un.kind.logs">
        <source>Logs</source>
        <translation>Logs</translation>
    </message>
    <message id="un.kind.other">
        <source>Other</source>
        <translation>Outros</translation>
    </message>
    <message id="un.kind.preferences">
        <source>Preferences</source>
        <translation>Preferências</translation>
    </message>
    <message id="un.kind.savedState">
        <source>Saved state</source>
        <translation>Estado salvo</translation>
    </message>
    <message id="un.kind.scripts">
        <source>Scripts</source>
        <translation>Scripts</translation>
    </message>
    <message id="un.kind.support">
        <source>Application data</source>
        <translation>Dados do aplicativo</translation>
    </message>
    <message id="un.kind.web">
        <source>Web data</source>
        <translation>Dados da web</translation>
    </message>
    <message id="un.matchedSafe">
        <source>Leftovers matched by application ID</source>
        <translation>Resíduos identificados pelo ID do aplicativo</translation>
    </message>
    <message id="un.noBundleID">
        <source>No application ID: check the leftovers matched by name</source>
        <translation>Sem ID de aplicativo: confira os resíduos encontrados pelo nome</translation>
    </message>
    <message id="un.quitAndRemove">
        <source>Quit and uninstall</source>
        <translation>Fechar e desinstalar</translation>
    </message>
    <message id="un.runningMessage">
        <source>Quit it now and move it to the Trash with its leftovers?</source>
        <translation>Fechá-lo agora e movê-lo para a lixeira com seus resíduos?</translation>
    </message>
    <message id="un.runningTitle">
        <source>The application is running</source>
        <translation>O aplicativo está em execução</translation>
    </message>
    <message id="un.searchApps">
        <source>Search applications</source>
        <translation>Pesquisar aplicativos</translation>
    </message>
    <message id="un.summary" numerus="yes">
        <source>%1 in total · %Ln leftovers</source>
        <translation>
            <numerusform>%1 no total · %Ln resíduo</numerusform>
            <numerusform>%1 no total · %Ln resíduos</numerusform>
        </translation>
    </message>
    <message id="un.systemManaged">
        <source>Installed by the system's package manager: the application stays; only the selected leftovers go to the Trash.</source>
        <translation>Instalado pelo gerenciador de pacotes do sistema: o aplicativo permanece; só os resíduos selecionados vão para a lixeira.</translation>
    </message>
    <message id="un.uninstall">
        <source>Uninstall</source>
        <translation>Desinstalar</translation>
    </message>
    <message id="xray.advice.build">
        <source>Build output; it is made again when needed.</source>
        <translation>Arquivos de compilação; são gerados de novo quando necessário.</translation>
    </message>
    <message id="xray.advice.cache">
        <source>Cache or log data; it is safe to remove.</source>
        <translation>Dados de cache ou log; podem ser removidos com segurança.</translation>
    </message>
    <message id="xray.advice.huge">
        <source>A very large file; check whether you still need it.</source>
        <translation>Um arquivo muito grande; veja se você ainda precisa dele.</translation>
    </message>
    <message id="xray.advice.installer">
        <source>An installer you probably no longer need.</source>
        <translation>Um instalador de que você provavelmente não precisa mais.</translation>
    </message>
    <message id="xray.advice.stale">
        <source>Not opened since %1.</source>
        <translation>Não aberto desde %1.</translation>
    </message>
    <message id="xray.analyzing">
        <source>Analyzing your home folder…</source>
        <translation>Analisando sua pasta pessoal…</translation>
    </message>
    <message id="xray.back">
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message id="xray.badge.review">
        <source>Review</source>
        <translation>Revisar</translation>
    </message>
    <message id="xray.badge.safe">
        <source>Safe</source>
        <translation>Seguro</translation>
    </message>
    <message id="xray.detailHint">
        <source>The largest files of this kind.</source>
        <translation>Os maiores arquivos deste tipo.</translation>
    </message>
    <message id="xray.emptyHint">
        <source>See what takes up space in your home folder, by kind of file.</source>
        <translation>Veja o que ocupa espaço na sua pasta pessoal, por tipo de arquivo.</translation>
    </message>
    <message id="xray.fileCount" numerus="yes">
        <source>%Ln files</source>
        <translation>
            <numerusform>%Ln arquivo</numerusform>
            <numerusform>%Ln arquivos</numerusform>
        </translation>
    </message>
    <message id="xray.filesScanned" numerus="yes">
        <source>%Ln files scanned</source>
        <translation>
            <numerusform>%Ln arquivo analisado</numerusform>
            <numerusform>%Ln arquivos analisados</numerusform>
        </translation>
    </message>
    <message id="xray.lastOpened">
        <source>Last opened %1</source>
        <translation>Aberto %1</translation>
    </message>
    <message id="xray.neverOpened">
        <source>Never opened</source>
        <translation>Nunca aberto</translation>
    </message>
    <message id="xray.rescan">
        <source>Analyze again</source>
        <translation>Analisar novamente</translation>
    </message>
    <message id="xray.reveal">
        <source>Show in file manager</source>
        <translation>Mostrar no gerenciador de arquivos</translation>
    </message>
    <message id="xray.scanButton">
        <source>Analyze</source>
        <translation>Analisar</translation>
    </message>
    <message id="xray.scanningIn">
        <source>In %1</source>
        <translation>Em %1</translation>
    </message>
    <message id="xray.trash">
        <source>Move to Trash</source>
        <translation>Mover para a lixeira</translation>
    </message>
</context>
</TS>

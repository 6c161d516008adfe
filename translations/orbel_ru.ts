<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>orbel::AddressLines</name>
    <message>
        <source>For friends on the Internet to reach you over IPv4, turn on Accept Calls from the Internet, or forward TCP port %1 on your router to this computer.</source>
        <extracomment>%1 is a port number. &quot;Accept Calls from the Internet&quot; is a menu item.</extracomment>
        <translation>Чтобы друзья в Интернете могли подключиться к вам по IPv4, включите «Принимать вызовы из Интернета» или перенаправьте на роутере TCP-порт %1 на этот компьютер.</translation>
    </message>
    <message>
        <source>For friends on the Internet to reach you over IPv4, forward TCP port %1 on your router to this computer.</source>
        <extracomment>%1 is a port number.</extracomment>
        <translation>Чтобы друзья в Интернете могли подключиться к вам по IPv4, перенаправьте на роутере TCP-порт %1 на этот компьютер.</translation>
    </message>
    <message>
        <source>Asking your router to let calls from the Internet in...</source>
        <translation>Запрашиваем у роутера разрешение на вызовы из Интернета...</translation>
    </message>
    <message>
        <source>Your router did not let calls in (%1): forward TCP port %2 on your router to this computer.</source>
        <extracomment>%1 says why the router refused; %2 is a port number.</extracomment>
        <translation>Роутер не пропустил вызовы (%1): перенаправьте на роутере TCP-порт %2 на этот компьютер.</translation>
    </message>
    <message>
        <source>%1 (from the Internet, through a pinhole your router opened)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation>%1 (из Интернета, через порт, открытый роутером)</translation>
    </message>
    <message>
        <source>%1 (from the Internet only if your router lets calls in)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation>%1 (из Интернета, только если роутер пропускает вызовы)</translation>
    </message>
    <message>
        <source>%1 (your local network only)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation>%1 (только локальная сеть)</translation>
    </message>
    <message>
        <source>%1 (from the Internet, through your router)</source>
        <extracomment>%1 is an address with its port.</extracomment>
        <translation>%1 (из Интернета, через ваш роутер)</translation>
    </message>
    <message>
        <source>Most home routers stop calls from the Internet to IPv6 addresses; look for &quot;allow incoming&quot; or &quot;pinhole&quot; in yours.</source>
        <translation>Большинство домашних роутеров не пропускают вызовы из Интернета на адреса IPv6; поищите в настройках своего пункт «разрешить входящие» или «pinhole».</translation>
    </message>
    <message>
        <source>If this computer has a firewall, let TCP port %1 in: sudo ufw allow %1/tcp, or sudo firewall-cmd --permanent --add-port=%1/tcp; sudo firewall-cmd --reload.</source>
        <extracomment>%1 is a port number; the commands stay as they are.</extracomment>
        <translation>Если на компьютере есть брандмауэр, откройте TCP-порт %1: sudo ufw allow %1/tcp или sudo firewall-cmd --permanent --add-port=%1/tcp; sudo firewall-cmd --reload.</translation>
    </message>
</context>
<context>
    <name>orbel::BoardAccessible</name>
    <message>
        <source>Arrow keys move the cursor, Space picks up and puts down, Escape puts back; or type a move and press Enter. Control+R reads the position.</source>
        <translation>Стрелки перемещают курсор, Пробел берёт и ставит фигуру, Escape возвращает её назад; или введите ход и нажмите Enter. Ctrl+R зачитывает позицию.</translation>
    </message>
    <message>
        <source>Board and score</source>
        <translation>Доска и запись партии</translation>
    </message>
    <message>
        <source>Chess board</source>
        <translation>Шахматная доска</translation>
    </message>
</context>
<context>
    <name>orbel::BoardKeys</name>
    <message numerus="yes">
        <source>%n pieces</source>
        <translation>
            <numerusform>%n фигура</numerusform>
            <numerusform>%n фигуры</numerusform>
            <numerusform>%n фигур</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pawns</source>
        <translation>
            <numerusform>%n пешка</numerusform>
            <numerusform>%n пешки</numerusform>
            <numerusform>%n пешек</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n knights</source>
        <translation>
            <numerusform>%n конь</numerusform>
            <numerusform>%n коня</numerusform>
            <numerusform>%n коней</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n bishops</source>
        <translation>
            <numerusform>%n слон</numerusform>
            <numerusform>%n слона</numerusform>
            <numerusform>%n слонов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rooks</source>
        <translation>
            <numerusform>%n ладья</numerusform>
            <numerusform>%n ладьи</numerusform>
            <numerusform>%n ладей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n queens</source>
        <translation>
            <numerusform>%n ферзь</numerusform>
            <numerusform>%n ферзя</numerusform>
            <numerusform>%n ферзей</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n kings</source>
        <translation>
            <numerusform>%n король</numerusform>
            <numerusform>%n короля</numerusform>
            <numerusform>%n королей</numerusform>
        </translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>No move yet.</source>
        <translation>Ходов пока нет.</translation>
    </message>
    <message>
        <source>Start of the moves.</source>
        <translation>Начало записи ходов.</translation>
    </message>
    <message>
        <source>End of the moves.</source>
        <translation>Конец записи ходов.</translation>
    </message>
    <message>
        <source>Move %1, White, %2</source>
        <translation>Ход %1, белые, %2</translation>
    </message>
    <message>
        <source>Move %1, Black, %2</source>
        <translation>Ход %1, чёрные, %2</translation>
    </message>
    <message>
        <source>, checkmate</source>
        <translation>, мат</translation>
    </message>
    <message>
        <source>, check</source>
        <translation>, шах</translation>
    </message>
    <message>
        <source>Edge</source>
        <translation>Край доски</translation>
    </message>
    <message>
        <source>No move</source>
        <translation>Хода нет</translation>
    </message>
    <message>
        <source>%1. %2 back on %3.</source>
        <translation>%1. %2 возвращается на %3.</translation>
    </message>
    <message>
        <source>No piece to move on %1</source>
        <translation>На %1 нечем ходить</translation>
    </message>
    <message>
        <source>Not your move</source>
        <translation>Сейчас не ваш ход</translation>
    </message>
    <message>
        <source>Holding %1 %2</source>
        <translation>В руке: %1 %2</translation>
    </message>
    <message>
        <source>Put back on %1</source>
        <translation>Фигура возвращена на %1</translation>
    </message>
    <message>
        <source>Not your move: %1</source>
        <translation>Сейчас не ваш ход: %1</translation>
    </message>
    <message>
        <source>Not your move.</source>
        <translation>Сейчас не ваш ход.</translation>
    </message>
    <message>
        <source>K Q R B N</source>
        <extracomment>The piece letters a player types in moves: king, queen, rook, bishop and knight, apart by spaces, each in upper case as the language&apos;s chess books write them (in German &quot;K D T L S&quot;).</extracomment>
        <translation>Кр Ф Л С К</translation>
    </message>
    <message>
        <source>Not a move, %1.</source>
        <translation>Это не ход, %1.</translation>
    </message>
    <message>
        <source>No such move, %1.</source>
        <translation>Такого хода нет, %1.</translation>
    </message>
    <message>
        <source> %1.</source>
        <translation> %1.</translation>
    </message>
    <message>
        <source>Move: %1</source>
        <translation>Ход: %1</translation>
    </message>
    <message>
        <source>No game on the board.</source>
        <translation>На доске нет партии.</translation>
    </message>
    <message>
        <source>Computer has lost: %1</source>
        <translation>Потери компьютера: %1</translation>
    </message>
    <message>
        <source>Player has lost: %1</source>
        <translation>Потери игрока: %1</translation>
    </message>
</context>
<context>
    <name>orbel::BoardScene</name>
    <message>
        <source>Computer</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Игрок</translation>
    </message>
</context>
<context>
    <name>orbel::Brain</name>
    <message>
        <source>mate in %1</source>
        <translation>мат в %1</translation>
    </message>
    <message>
        <source>mated in %1</source>
        <translation>получает мат в %1</translation>
    </message>
    <message>
        <source>%1, depth %2</source>
        <translation>%1, глубина %2</translation>
    </message>
</context>
<context>
    <name>orbel::ChatPane</name>
    <message>
        <source>Chat:</source>
        <translation>Чат:</translation>
    </message>
    <message>
        <source>Up to %1 characters; Enter sends</source>
        <translation>До %1 символов; Enter — отправить</translation>
    </message>
    <message>
        <source>%1 left</source>
        <extracomment>Room left in the chat line: %1 is a number of characters.</extracomment>
        <translation>Осталось: %1</translation>
    </message>
</context>
<context>
    <name>orbel::ClockText</name>
    <message>
        <source>1 hour</source>
        <translation>1 час</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 ч</translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 минута</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 мин</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 секунда</translation>
    </message>
    <message>
        <source>%1 seconds</source>
        <translation>%1 сек</translation>
    </message>
    <message>
        <source>%1.%2 seconds</source>
        <translation>%1,%2 сек</translation>
    </message>
</context>
<context>
    <name>orbel::CommandLine</name>
    <message>
        <source>no display to show the game on (none of DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM is set).</source>
        <translation>нет дисплея для показа игры (не задана ни одна из переменных DISPLAY, WAYLAND_DISPLAY и QT_QPA_PLATFORM).</translation>
    </message>
    <message>
        <source>Orbel Chess: a chess game against the computer, a friend at the same machine, or a friend across the Internet.</source>
        <translation>Шахматы Orbel: шахматы против компьютера, с другом за одним компьютером или с другом через Интернет.</translation>
    </message>
    <message>
        <source>Listen for network games on &lt;port&gt; instead of %1 (a second copy on one machine, or a network that blocks %1); callers then name it as host:&lt;port&gt;.</source>
        <translation>Ждать сетевые игры на порту &lt;порт&gt; вместо %1 (вторая копия на том же компьютере или сеть, где %1 закрыт); тогда вызывающие указывают адрес как хост:&lt;порт&gt;.</translation>
    </message>
    <message>
        <source>port</source>
        <extracomment>The name of the option&apos;s value in --help, as in --port &lt;port&gt;.</extracomment>
        <translation>порт</translation>
    </message>
    <message>
        <source>Do not ask the home router (UPnP) to forward the port to this computer.</source>
        <translation>Не просить домашний роутер (UPnP) перенаправлять порт на этот компьютер.</translation>
    </message>
    <message>
        <source>saved-game</source>
        <translation>сохранённая-игра</translation>
    </message>
    <message>
        <source>A saved game (*.KRV) to continue at start, as Load Game would.</source>
        <translation>Сохранённая игра (*.KRV), которая продолжится при запуске, как после «Загрузить игру».</translation>
    </message>
    <message>
        <source>[saved-game]</source>
        <translation>[сохранённая-игра]</translation>
    </message>
    <message>
        <source>Print the saved game&apos;s position as FEN and as a PGN header, then exit.</source>
        <translation>Вывести позицию сохранённой игры в виде FEN и заголовка PGN и выйти.</translation>
    </message>
    <message>
        <source>one saved game at most, %1 given.</source>
        <translation>можно указать не больше одной сохранённой игры, указано: %1.</translation>
    </message>
    <message>
        <source>--port takes a port number from 1 to 65535, not &apos;%1&apos;.</source>
        <translation>--port принимает номер порта от 1 до 65535, а не «%1».</translation>
    </message>
</context>
<context>
    <name>orbel::ConnectingDialog</name>
    <message>
        <source>Attempting connection.....
Please Wait.....</source>
        <translation>Подключение.....
Подождите.....</translation>
    </message>
    <message>
        <source>Cancel Connect</source>
        <translation>Отменить</translation>
    </message>
</context>
<context>
    <name>orbel::DrawReason</name>
    <message>
        <source>stalemate</source>
        <translation>пат</translation>
    </message>
    <message>
        <source>insufficient material</source>
        <translation>недостаточно материала</translation>
    </message>
    <message>
        <source>threefold repetition</source>
        <translation>троекратное повторение</translation>
    </message>
    <message>
        <source>the fifty-move rule</source>
        <translation>правило 50 ходов</translation>
    </message>
    <message>
        <source>fivefold repetition</source>
        <translation>пятикратное повторение</translation>
    </message>
    <message>
        <source>the seventy-five-move rule</source>
        <translation>правило 75 ходов</translation>
    </message>
    <message>
        <source>agreement</source>
        <translation>соглашение сторон</translation>
    </message>
    <message>
        <source>timeout against insufficient material</source>
        <translation>истечение времени при недостатке материала у соперника</translation>
    </message>
</context>
<context>
    <name>orbel::EngineList</name>
    <message>
        <source>This is not a program that can be run:
%1</source>
        <translation>Эту программу нельзя запустить:
%1</translation>
    </message>
    <message>
        <source>This engine is already on the list:
%1</source>
        <translation>Этот движок уже есть в списке:
%1</translation>
    </message>
    <message>
        <source>At most %1 engines can be added. Remove one first.</source>
        <translation>Движков может быть не больше %1. Сначала удалите один.</translation>
    </message>
</context>
<context>
    <name>orbel::EnginesDialog</name>
    <message>
        <source>Asking...</source>
        <extracomment>An engine&apos;s state: its name and author are being asked for.</extracomment>
        <translation>Запрос...</translation>
    </message>
    <message>
        <source>Ready</source>
        <extracomment>An engine&apos;s state: it answered and can play.</extracomment>
        <translation>Готов</translation>
    </message>
    <message>
        <source>Engines</source>
        <translation>Движки</translation>
    </message>
    <message>
        <source>Chess engines that speak UCI can be chosen in New Game Setup. The first one gives the hints.</source>
        <translation>Шахматные движки с протоколом UCI можно выбрать в окне «Новая игра». Первый из них даёт подсказки.</translation>
    </message>
    <message>
        <source>Engine</source>
        <translation>Движок</translation>
    </message>
    <message>
        <source>Author</source>
        <translation>Автор</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Статус</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Программа</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>&amp;Добавить...</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>%1 (installed)</source>
        <extracomment>%1 is the path of an engine the system installed, not one the user added.</extracomment>
        <translation>%1 (установлен)</translation>
    </message>
    <message>
        <source>No engine found: install stockfish or add one.</source>
        <translation>Движок не найден: установите stockfish или добавьте движок.</translation>
    </message>
</context>
<context>
    <name>orbel::GameFiles</name>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>Orbel Chess Saved Game Files (*.KRV)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation>Сохранённые игры «Шахмат Orbel» (*.KRV)</translation>
    </message>
    <message>
        <source>The game could not be saved to &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what went wrong.</extracomment>
        <translation>Не удалось сохранить игру в «%1»:
%2</translation>
    </message>
    <message>
        <source>It is not an Orbel Chess saved game.</source>
        <translation>Это не сохранённая игра «Шахмат Orbel».</translation>
    </message>
    <message>
        <source>The game could not be loaded from &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what went wrong.</extracomment>
        <translation>Не удалось загрузить игру из «%1»:
%2</translation>
    </message>
    <message>
        <source>Load Game</source>
        <translation>Загрузить игру</translation>
    </message>
</context>
<context>
    <name>orbel::Hints</name>
    <message>
        <source>Hints need a chess engine, such as Stockfish (sudo apt install stockfish).</source>
        <translation>Для подсказок нужен шахматный движок, например Stockfish (sudo apt install stockfish).</translation>
    </message>
    <message>
        <source>There is no move to hint at.</source>
        <translation>Нет хода, который можно подсказать.</translation>
    </message>
</context>
<context>
    <name>orbel::InfoDialog</name>
    <message>
        <source>About Orbel Chess 3.0</source>
        <translation>О программе «Шахматы Orbel» 3.0</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>What&apos;s new in 3.0?</source>
        <translation>Что нового в 3.0?</translation>
    </message>
</context>
<context>
    <name>orbel::InternetGameDialog</name>
    <message>
        <source>Enter &amp;host name or IP address of opponent</source>
        <translation>Введите имя &amp;хоста или IP-адрес соперника</translation>
    </message>
    <message>
        <source>Enter your &amp;nickname</source>
        <translation>Введите ваш &amp;ник</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Белые</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Чёрные</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Time Control...</source>
        <translation>&amp;Контроль времени...</translation>
    </message>
    <message>
        <source>You must supply a nickname!</source>
        <translation>Укажите ник!</translation>
    </message>
    <message>
        <source>You must supply an address!</source>
        <translation>Укажите адрес!</translation>
    </message>
</context>
<context>
    <name>orbel::KeysDialog</name>
    <message>
        <source>Keyboard</source>
        <translation>Клавиатура</translation>
    </message>
    <message>
        <source>Keys on the board</source>
        <translation>Клавиши на доске</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>orbel::MainWindow</name>
    <message>
        <source>Orbel Chess 3.0</source>
        <translation>Шахматы Orbel 3.0</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;New 1 Player Game</source>
        <translation>&amp;Новая игра (1 игрок)</translation>
    </message>
    <message>
        <source>N&amp;ew 2 Player Game</source>
        <translation>Новая &amp;игра (2 игрока)</translation>
    </message>
    <message>
        <source>&amp;Save Game</source>
        <translation>&amp;Сохранить игру</translation>
    </message>
    <message>
        <source>&amp;Load Game</source>
        <translation>&amp;Загрузить игру</translation>
    </message>
    <message>
        <source>&amp;Open PGN or FEN...</source>
        <translation>&amp;Открыть PGN или FEN...</translation>
    </message>
    <message>
        <source>Export &amp;Game (PGN)...</source>
        <translation>&amp;Экспорт игры (PGN)...</translation>
    </message>
    <message>
        <source>&amp;Copy Game as PGN</source>
        <translation>&amp;Копировать игру как PGN</translation>
    </message>
    <message>
        <source>Copy Position as &amp;FEN</source>
        <translation>Копировать позицию как &amp;FEN</translation>
    </message>
    <message>
        <source>&amp;Paste Position or Game</source>
        <translation>&amp;Вставить позицию или игру</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>В&amp;ыход</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>&amp;Игра</translation>
    </message>
    <message>
        <source>&amp;Undo Move</source>
        <translation>&amp;Отменить ход</translation>
    </message>
    <message>
        <source>&amp;Resign</source>
        <translation>&amp;Сдаться</translation>
    </message>
    <message>
        <source>Offer &amp;Draw</source>
        <translation>Предложить &amp;ничью</translation>
    </message>
    <message>
        <source>&amp;Claim Draw</source>
        <translation>&amp;Требовать ничью</translation>
    </message>
    <message>
        <source>&amp;Time Control...</source>
        <translation>&amp;Контроль времени...</translation>
    </message>
    <message>
        <source>Pause Cloc&amp;ks</source>
        <extracomment>A menu item.</extracomment>
        <translation>Остановить &amp;часы</translation>
    </message>
    <message>
        <source>Read &amp;Position</source>
        <translation>Озвучить &amp;позицию</translation>
    </message>
    <message>
        <source>&amp;Hint</source>
        <translation>По&amp;дсказка</translation>
    </message>
    <message>
        <source>&amp;Options/&amp;Color</source>
        <translation>&amp;Параметры/&amp;Цвет</translation>
    </message>
    <message>
        <source>&amp;Dark Square</source>
        <translation>&amp;Тёмные поля</translation>
    </message>
    <message>
        <source>&amp;Light Square</source>
        <translation>&amp;Светлые поля</translation>
    </message>
    <message>
        <source>&amp;Original Colors</source>
        <translation>&amp;Исходные цвета</translation>
    </message>
    <message>
        <source>&amp;Options/&amp;Piece Set</source>
        <translation>&amp;Параметры/&amp;Набор фигур</translation>
    </message>
    <message>
        <source>Dudidi</source>
        <translation>Dudidi</translation>
    </message>
    <message>
        <source>Ferrow Color 1</source>
        <translation>Ferrow цвет 1</translation>
    </message>
    <message>
        <source>Ferrow Color 2</source>
        <translation>Ferrow цвет 2</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;Show/Hide Coordinates</source>
        <translation>Показать/скрыть &amp;координаты</translation>
    </message>
    <message>
        <source>&amp;Announce Moves</source>
        <translation>&amp;Озвучивать ходы</translation>
    </message>
    <message>
        <source>S&amp;ounds</source>
        <translation>&amp;Звуки</translation>
    </message>
    <message>
        <source>S&amp;tandard Chess Rules</source>
        <translation>&amp;Стандартные правила</translation>
    </message>
    <message>
        <source>&amp;Engines...</source>
        <translation>&amp;Движки...</translation>
    </message>
    <message>
        <source>&amp;Network Play</source>
        <translation>Се&amp;тевая игра</translation>
    </message>
    <message>
        <source>&amp;Direct Network Game</source>
        <translation>&amp;Прямая сетевая игра</translation>
    </message>
    <message>
        <source>Your Network &amp;Address...</source>
        <translation>Ваш сетевой &amp;адрес...</translation>
    </message>
    <message>
        <source>Accept Calls from the &amp;Internet</source>
        <translation>Принимать вызовы из &amp;Интернета</translation>
    </message>
    <message>
        <source>&amp;Kill Game (Opponent is lagging or gone ONLY)</source>
        <translation>&amp;Завершить игру (только если соперник завис или ушёл)</translation>
    </message>
    <message>
        <source>Ask to &amp;Take Back Move</source>
        <translation>Попросить &amp;вернуть ход</translation>
    </message>
    <message>
        <source>Re&amp;match</source>
        <translation>&amp;Реванш</translation>
    </message>
    <message>
        <source>&amp;Call Again</source>
        <translation>Вызвать &amp;снова</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>&amp;What&apos;s New in 3.0</source>
        <translation>&amp;Что нового в 3.0</translation>
    </message>
    <message>
        <source>&amp;About Orbel Chess 3.0...</source>
        <translation>&amp;О программе «Шахматы Orbel» 3.0...</translation>
    </message>
    <message>
        <source>&amp;Keyboard</source>
        <translation>&amp;Клавиатура</translation>
    </message>
    <message>
        <source>Brain:</source>
        <translation>Анализ:</translation>
    </message>
    <message>
        <source>Black:</source>
        <translation>Чёрные:</translation>
    </message>
    <message>
        <source>White:</source>
        <translation>Белые:</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Chat:</source>
        <translation>Чат:</translation>
    </message>
    <message>
        <source>Chat line</source>
        <translation>Строка чата</translation>
    </message>
    <message>
        <source>You</source>
        <translation>Вы</translation>
    </message>
    <message>
        <source>* %1&apos;s clock read %2, more than it can have: kept at %3.</source>
        <extracomment>A chat line the program writes: %1 is the opponent&apos;s nickname, %2 and %3 clock readings.</extracomment>
        <translation>* Часы игрока %1 показали %2, больше, чем возможно: оставлено %3.</translation>
    </message>
    <message>
        <source>* %1&apos;s clock reads %2; this copy counted %3.</source>
        <extracomment>A chat line the program writes: %1 is the opponent&apos;s nickname, %2 and %3 clock readings.</extracomment>
        <translation>* Часы игрока %1 показывают %2; здесь насчитано %3.</translation>
    </message>
    <message>
        <source>%1&apos;s time is up; waiting for %1&apos;s copy to confirm</source>
        <extracomment>%1 is the opponent&apos;s nickname; their copy of the game must confirm.</extracomment>
        <translation>Время игрока %1 истекло; ждём подтверждения от программы игрока %1</translation>
    </message>
    <message>
        <source>* %1&apos;s copy did not confirm its time was up.</source>
        <extracomment>A chat line the program writes: %1 is the opponent&apos;s nickname.</extracomment>
        <translation>* Программа игрока %1 не подтвердила, что время истекло.</translation>
    </message>
    <message>
        <source>Resume Cloc&amp;ks</source>
        <extracomment>A menu item.</extracomment>
        <translation>Запустить &amp;часы</translation>
    </message>
    <message>
        <source>Clocks running.</source>
        <translation>Часы идут.</translation>
    </message>
    <message>
        <source>Clocks paused</source>
        <translation>Часы остановлены</translation>
    </message>
    <message>
        <source>Clocks paused.</source>
        <translation>Часы остановлены.</translation>
    </message>
    <message>
        <source>This game has no clocks.</source>
        <translation>В этой партии нет часов.</translation>
    </message>
    <message>
        <source>White %1. Black %2. Paused.</source>
        <extracomment>Spoken: %1 and %2 are the times left, in words.</extracomment>
        <translation>Белые: %1. Чёрные: %2. Пауза.</translation>
    </message>
    <message>
        <source>White %1. Black %2.</source>
        <extracomment>Spoken: %1 and %2 are the times left, in words.</extracomment>
        <translation>Белые: %1. Чёрные: %2.</translation>
    </message>
    <message>
        <source>You have one minute left.</source>
        <translation>У вас осталась одна минута.</translation>
    </message>
    <message>
        <source>You have ten seconds left.</source>
        <translation>У вас осталось десять секунд.</translation>
    </message>
    <message>
        <source>White has one minute left.</source>
        <translation>У белых осталась одна минута.</translation>
    </message>
    <message>
        <source>White has ten seconds left.</source>
        <translation>У белых осталось десять секунд.</translation>
    </message>
    <message>
        <source>Black has one minute left.</source>
        <translation>У чёрных осталась одна минута.</translation>
    </message>
    <message>
        <source>Black has ten seconds left.</source>
        <translation>У чёрных осталось десять секунд.</translation>
    </message>
    <message>
        <source>White&apos;s time is up. Black wins on time.</source>
        <translation>Время белых истекло. Чёрные выиграли по времени.</translation>
    </message>
    <message>
        <source>Black&apos;s time is up. White wins on time.</source>
        <translation>Время чёрных истекло. Белые выиграли по времени.</translation>
    </message>
    <message>
        <source>Game saved as %1 in %2.</source>
        <translation>Игра сохранена в файл %1 в папке %2.</translation>
    </message>
    <message>
        <source>Game loaded from %1 in %2. %3</source>
        <translation>Игра загружена из файла %1 в папке %2. %3</translation>
    </message>
    <message>
        <source>Standard chess rules from the next new game.</source>
        <translation>Стандартные правила шахмат — со следующей новой игры.</translation>
    </message>
    <message>
        <source>Orbel rules from the next new game.</source>
        <translation>Правила Orbel — со следующей новой игры.</translation>
    </message>
    <message>
        <source>Calls from the Internet: your router is asked to let them in.</source>
        <translation>Вызовы из Интернета: роутеру отправлен запрос на их пропуск.</translation>
    </message>
    <message>
        <source>Calls from the Internet: no longer let in by your router.</source>
        <translation>Вызовы из Интернета: роутер их больше не пропускает.</translation>
    </message>
    <message>
        <source>New games: %1</source>
        <translation>Новые игры: %1</translation>
    </message>
    <message>
        <source>A copy of an older version plays without a clock.</source>
        <translation>Копия старой версии играет без часов.</translation>
    </message>
    <message>
        <source>Engine</source>
        <extracomment>The caption of an engine&apos;s failure box when the engine gave no name.</extracomment>
        <translation>Движок</translation>
    </message>
    <message>
        <source>%1

Shall the computer finish the game?</source>
        <translation>%1

Пусть компьютер доиграет партию?</translation>
    </message>
    <message>
        <source>Add an Engine</source>
        <translation>Добавить движок</translation>
    </message>
    <message>
        <source>Engines</source>
        <translation>Движки</translation>
    </message>
    <message>
        <source>Fatal Error</source>
        <translation>Критическая ошибка</translation>
    </message>
    <message>
        <source>%1 is back. %2</source>
        <translation>%1 снова здесь. %2</translation>
    </message>
    <message>
        <source>Standard chess rules, as engines play</source>
        <translation>Стандартные правила, как у движков</translation>
    </message>
    <message>
        <source>Standard chess rules</source>
        <translation>Стандартные правила шахмат</translation>
    </message>
    <message>
        <source>Orbel 3.0 rules</source>
        <translation>Правила Orbel 3.0</translation>
    </message>
    <message>
        <source>The game is drawn by %1.</source>
        <translation>Ничья: %1.</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Ничья</translation>
    </message>
    <message>
        <source>The computer resigns. You win.</source>
        <translation>Компьютер сдаётся. Вы победили.</translation>
    </message>
    <message>
        <source>* %1&apos;s copy plays by the Orbel 3.0 rules only.</source>
        <translation>* Программа игрока %1 играет только по правилам Orbel 3.0.</translation>
    </message>
    <message>
        <source>* %1&apos;s copy has no clocks: this game is untimed.</source>
        <translation>* У программы игрока %1 нет часов: партия без контроля времени.</translation>
    </message>
    <message>
        <source>White&apos;s %1</source>
        <translation>ход белых %1</translation>
    </message>
    <message>
        <source>Black&apos;s %1</source>
        <translation>ход чёрных %1</translation>
    </message>
    <message>
        <source>your %1</source>
        <translation>ваш ход %1</translation>
    </message>
    <message>
        <source>the computer&apos;s %1</source>
        <translation>ход компьютера %1</translation>
    </message>
    <message>
        <source>your opponent&apos;s %1</source>
        <translation>ход соперника %1</translation>
    </message>
    <message>
        <source> and </source>
        <extracomment>The moves taken back are joined by &quot; and &quot;.</extracomment>
        <translation> и </translation>
    </message>
    <message>
        <source>Nothing taken back.</source>
        <translation>Ничего не отменено.</translation>
    </message>
    <message>
        <source>Taken back %1.</source>
        <translation>Отменено: %1.</translation>
    </message>
    <message>
        <source>White to move, check.</source>
        <translation>Ход белых, шах.</translation>
    </message>
    <message>
        <source>Black to move, check.</source>
        <translation>Ход чёрных, шах.</translation>
    </message>
    <message>
        <source>White to move.</source>
        <translation>Ход белых.</translation>
    </message>
    <message>
        <source>Black to move.</source>
        <translation>Ход чёрных.</translation>
    </message>
    <message>
        <source>White offers a draw. Does Black accept?</source>
        <translation>Белые предлагают ничью. Чёрные согласны?</translation>
    </message>
    <message>
        <source>Black offers a draw. Does White accept?</source>
        <translation>Чёрные предлагают ничью. Белые согласны?</translation>
    </message>
    <message>
        <source>Offer Draw</source>
        <translation>Предложить ничью</translation>
    </message>
    <message>
        <source>The computer declines the draw.</source>
        <translation>Компьютер отклоняет ничью.</translation>
    </message>
    <message>
        <source>%1 says, %2</source>
        <translation>%1 говорит: %2</translation>
    </message>
    <message>
        <source>Hint: %1</source>
        <extracomment>In the status bar; %1 is the move in algebraic notation, such as Nf3.</extracomment>
        <translation>Подсказка: %1</translation>
    </message>
    <message>
        <source>Hint: %1.</source>
        <extracomment>Spoken; %1 is the move in words.</extracomment>
        <translation>Подсказка: %1.</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Hint: wait for the computer&apos;s move</source>
        <translation>Подсказка: дождитесь хода компьютера</translation>
    </message>
    <message>
        <source>Asking the engine for a hint...</source>
        <translation>Запрашиваем подсказку у движка...</translation>
    </message>
    <message>
        <source>Value:</source>
        <extracomment>Before the computer&apos;s or the engine&apos;s value of the position, as in &quot;Value: 34&quot;.</extracomment>
        <translation>Оценка:</translation>
    </message>
</context>
<context>
    <name>orbel::MoveText</name>
    <message>
        <source>not a move</source>
        <translation>не ход</translation>
    </message>
    <message>
        <source>no such move</source>
        <translation>такого хода нет</translation>
    </message>
    <message>
        <source>which piece</source>
        <translation>какая фигура</translation>
    </message>
    <message>
        <source>which pawn</source>
        <translation>какая пешка</translation>
    </message>
    <message>
        <source>which knight</source>
        <translation>какой конь</translation>
    </message>
    <message>
        <source>which bishop</source>
        <translation>какой слон</translation>
    </message>
    <message>
        <source>which rook</source>
        <translation>какая ладья</translation>
    </message>
    <message>
        <source>which queen</source>
        <translation>какой ферзь</translation>
    </message>
    <message>
        <source>which king</source>
        <translation>какой король</translation>
    </message>
    <message>
        <source>Which piece? %1</source>
        <translation>Какая фигура? %1</translation>
    </message>
    <message>
        <source>Which pawn? %1</source>
        <translation>Какая пешка? %1</translation>
    </message>
    <message>
        <source>Which knight? %1</source>
        <translation>Какой конь? %1</translation>
    </message>
    <message>
        <source>Which bishop? %1</source>
        <translation>Какой слон? %1</translation>
    </message>
    <message>
        <source>Which rook? %1</source>
        <translation>Какая ладья? %1</translation>
    </message>
    <message>
        <source>Which queen? %1</source>
        <translation>Какой ферзь? %1</translation>
    </message>
    <message>
        <source>Which king? %1</source>
        <translation>Какой король? %1</translation>
    </message>
    <message>
        <source>pawns always become queens</source>
        <translation>пешка всегда превращается в ферзя</translation>
    </message>
    <message>
        <source>no en passant in these rules</source>
        <translation>в этих правилах нет взятия на проходе</translation>
    </message>
    <message>
        <source> or </source>
        <translation> или </translation>
    </message>
    <message>
        <source>Not a move: %1</source>
        <translation>Не ход: %1</translation>
    </message>
    <message>
        <source>No such move: %1</source>
        <translation>Такого хода нет: %1</translation>
    </message>
</context>
<context>
    <name>orbel::NetDialogs</name>
    <message>
        <source>Invalid Information</source>
        <translation>Неверные данные</translation>
    </message>
</context>
<context>
    <name>orbel::NetworkAddressDialog</name>
    <message>
        <source>Your Network Address</source>
        <translation>Ваш сетевой адрес</translation>
    </message>
    <message>
        <source>Others can call this copy of Orbel Chess at:</source>
        <translation>Другие могут вызвать эту копию «Шахмат Orbel» по адресу:</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Копировать</translation>
    </message>
    <message>
        <source>Accept calls from the &amp;Internet</source>
        <translation>Принимать вызовы из &amp;Интернета</translation>
    </message>
    <message>
        <source>While this is on, your router is asked to pass calls to this computer, from anyone who has your address.</source>
        <translation>Пока это включено, роутер будет пропускать к этому компьютеру вызовы от всех, кто знает ваш адрес.</translation>
    </message>
</context>
<context>
    <name>orbel::NetworkPlay</name>
    <message>
        <source>%1 failed,%2

%3</source>
        <extracomment>%1 is the name of an operation, %2 a run of spaces, %3 what went wrong.</extracomment>
        <translation>Сбой операции %1,%2

%3</translation>
    </message>
    <message>
        <source>Refused a call from %1: another call is being answered.</source>
        <extracomment>In the status bar: %1 is the caller&apos;s network address.</extracomment>
        <translation>Вызов от %1 отклонён: уже идёт ответ на другой вызов.</translation>
    </message>
    <message>
        <source>* %1 accepts the draw.</source>
        <translation>* %1 соглашается на ничью.</translation>
    </message>
    <message>
        <source>* %1 declines the draw.</source>
        <translation>* %1 отклоняет ничью.</translation>
    </message>
    <message>
        <source>* You accept the draw.</source>
        <translation>* Вы соглашаетесь на ничью.</translation>
    </message>
    <message>
        <source>* You decline the draw.</source>
        <translation>* Вы отклоняете ничью.</translation>
    </message>
    <message>
        <source>* %1 accepts the takeback.</source>
        <translation>* %1 разрешает вернуть ход.</translation>
    </message>
    <message>
        <source>* %1 declines the takeback.</source>
        <translation>* %1 не разрешает вернуть ход.</translation>
    </message>
    <message>
        <source>* You accept the takeback.</source>
        <translation>* Вы разрешаете вернуть ход.</translation>
    </message>
    <message>
        <source>* You decline the takeback.</source>
        <translation>* Вы не разрешаете вернуть ход.</translation>
    </message>
    <message>
        <source>* %1 accepts the rematch.</source>
        <translation>* %1 соглашается на реванш.</translation>
    </message>
    <message>
        <source>* %1 declines the rematch.</source>
        <translation>* %1 отказывается от реванша.</translation>
    </message>
    <message>
        <source>* You accept the rematch.</source>
        <translation>* Вы соглашаетесь на реванш.</translation>
    </message>
    <message>
        <source>* You decline the rematch.</source>
        <translation>* Вы отказываетесь от реванша.</translation>
    </message>
    <message>
        <source>* You offer a draw.</source>
        <translation>* Вы предлагаете ничью.</translation>
    </message>
    <message>
        <source>* You ask to take back your last move.</source>
        <translation>* Вы просите вернуть ваш последний ход.</translation>
    </message>
    <message>
        <source>* You offer a rematch.</source>
        <translation>* Вы предлагаете реванш.</translation>
    </message>
    <message>
        <source>* %1 offers a draw.</source>
        <translation>* %1 предлагает ничью.</translation>
    </message>
    <message>
        <source>%1 offers a draw. Do you accept?</source>
        <translation>%1 предлагает ничью. Вы согласны?</translation>
    </message>
    <message>
        <source>Offer Draw</source>
        <translation>Предложить ничью</translation>
    </message>
    <message>
        <source>* %1 asks to take back their last move.</source>
        <translation>* %1 просит вернуть свой последний ход.</translation>
    </message>
    <message>
        <source>%1 asks to take back their last move. Do you allow it?</source>
        <translation>%1 просит вернуть свой последний ход. Разрешить?</translation>
    </message>
    <message>
        <source>Take Back Move</source>
        <translation>Вернуть ход</translation>
    </message>
    <message>
        <source>* %1 offers a rematch, you playing White.</source>
        <translation>* %1 предлагает реванш, вы играете белыми.</translation>
    </message>
    <message>
        <source>%1 offers a rematch, you playing White. Do you accept?</source>
        <translation>%1 предлагает реванш, вы играете белыми. Вы согласны?</translation>
    </message>
    <message>
        <source>* %1 offers a rematch, you playing Black.</source>
        <translation>* %1 предлагает реванш, вы играете чёрными.</translation>
    </message>
    <message>
        <source>%1 offers a rematch, you playing Black. Do you accept?</source>
        <translation>%1 предлагает реванш, вы играете чёрными. Вы согласны?</translation>
    </message>
    <message>
        <source>Rematch</source>
        <translation>Реванш</translation>
    </message>
    <message>
        <source>%1&apos;s copy no longer holds this game, so it cannot go on.</source>
        <translation>Программа игрока %1 больше не хранит эту партию, поэтому её нельзя продолжить.</translation>
    </message>
    <message>
        <source>%1&apos;s copy holds this game at another position, so it cannot go on.</source>
        <translation>У программы игрока %1 в этой партии другая позиция, поэтому её нельзя продолжить.</translation>
    </message>
    <message>
        <source>%1

The game is to be played by standard chess rules.</source>
        <extracomment>%1 is the question whether to accept a call.</extracomment>
        <translation>%1

Партия будет по стандартным правилам шахмат.</translation>
    </message>
    <message>
        <source>%1

The game is timed: %2</source>
        <extracomment>%1 is the question whether to accept a call; %2 the clock in words.</extracomment>
        <translation>%1

Партия с контролем времени: %2</translation>
    </message>
</context>
<context>
    <name>orbel::NetworkSession</name>
    <message>
        <source>* Not sent: the line is down.</source>
        <translation>* Не отправлено: связь прервана.</translation>
    </message>
</context>
<context>
    <name>orbel::NewGameSetupDialog</name>
    <message>
        <source>New Game Setup</source>
        <translation>Новая игра</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Цвет</translation>
    </message>
    <message>
        <source>AI</source>
        <extracomment>The frame of the computer opponent&apos;s levels and engines.</extracomment>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>&amp;White</source>
        <translation>&amp;Белые</translation>
    </message>
    <message>
        <source>&amp;Black</source>
        <translation>&amp;Чёрные</translation>
    </message>
    <message>
        <source>&amp;Easy</source>
        <translation>&amp;Лёгкий</translation>
    </message>
    <message>
        <source>&amp;Medium</source>
        <translation>&amp;Средний</translation>
    </message>
    <message>
        <source>&amp;Hard</source>
        <translation>&amp;Трудный</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Time Control...</source>
        <translation>&amp;Контроль времени...</translation>
    </message>
    <message>
        <source>E&amp;lo:</source>
        <translation>&amp;Эло:</translation>
    </message>
    <message>
        <source>Engine&apos;s Elo</source>
        <translation>Эло движка</translation>
    </message>
</context>
<context>
    <name>orbel::NicknameDialog</name>
    <message>
        <source>Nickname Selection</source>
        <translation>Выбор ника</translation>
    </message>
    <message>
        <source>Enter your &amp;nickname for the current match</source>
        <translation>Введите ваш &amp;ник для этой партии</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>You must supply a nickname!</source>
        <translation>Укажите ник!</translation>
    </message>
</context>
<context>
    <name>orbel::PgnFiles</name>
    <message>
        <source>Export Game (PGN)</source>
        <translation>Экспорт игры (PGN)</translation>
    </message>
    <message>
        <source>Copy Game as PGN</source>
        <translation>Копировать игру как PGN</translation>
    </message>
    <message>
        <source>Copy Position as FEN</source>
        <translation>Копировать позицию как FEN</translation>
    </message>
    <message>
        <source>Open PGN or FEN</source>
        <translation>Открыть PGN или FEN</translation>
    </message>
    <message>
        <source>Paste Position or Game</source>
        <translation>Вставить позицию или игру</translation>
    </message>
    <message>
        <source>There is no game on the board yet.</source>
        <translation>На доске ещё нет партии.</translation>
    </message>
    <message>
        <source>%1

The rest of the game stays on the board and in a saved game (*.KRV).</source>
        <extracomment>%1 says why the game could not be written whole.</extracomment>
        <translation>%1

Остаток партии сохраняется на доске и в сохранённой игре (*.KRV).</translation>
    </message>
    <message>
        <source>It is larger than 1 MB, more than any game needs.</source>
        <translation>Размер больше 1 МБ — больше, чем нужно любой партии.</translation>
    </message>
    <message>
        <source>This game is played by standard chess rules: it holds en passant, a pawn that becomes another piece than a queen, or a draw, which the Orbel 3.0 rules do not.</source>
        <translation>Эта партия сыграна по стандартным правилам шахмат: в ней есть взятие на проходе, превращение пешки не в ферзя или ничья, чего нет в правилах Orbel 3.0.</translation>
    </message>
    <message>
        <source>PGN Files (*.pgn)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation>Файлы PGN (*.pgn)</translation>
    </message>
    <message>
        <source>The game could not be exported to &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what went wrong.</extracomment>
        <translation>Не удалось экспортировать игру в «%1»:
%2</translation>
    </message>
    <message>
        <source>Other chess programs may refuse this position: %1.</source>
        <extracomment>%1 says what is odd about the position.</extracomment>
        <translation>Другие шахматные программы могут не принять эту позицию: %1.</translation>
    </message>
    <message>
        <source>PGN and FEN Files (*.pgn *.fen)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation>Файлы PGN и FEN (*.pgn *.fen)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <extracomment>A file dialog&apos;s filter: the pattern in brackets stays as it is.</extracomment>
        <translation>Все файлы (*)</translation>
    </message>
    <message>
        <source>No game was opened from &quot;%1&quot;:
%2</source>
        <extracomment>%1 is a file&apos;s path, %2 what is wrong with it.</extracomment>
        <translation>Не удалось открыть партию из «%1»:
%2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
    <message>
        <source>The clipboard holds no game or position to play:
%1</source>
        <extracomment>%1 is what is wrong with the clipboard&apos;s text.</extracomment>
        <translation>В буфере обмена нет партии или позиции для игры:
%1</translation>
    </message>
</context>
<context>
    <name>orbel::PgnReader</name>
    <message>
        <source>No game or position was found in the text.</source>
        <translation>В тексте не найдено ни партии, ни позиции.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Строка %1: %2</translation>
    </message>
    <message>
        <source>a tag pair must be [Name &quot;value&quot;].</source>
        <translation>пара тегов должна иметь вид [Имя &quot;значение&quot;].</translation>
    </message>
    <message>
        <source>a tag&apos;s value is not closed on its line.</source>
        <translation>значение тега не закрыто в своей строке.</translation>
    </message>
    <message>
        <source>a tag pair is not closed with ].</source>
        <translation>пара тегов не закрыта символом ].</translation>
    </message>
    <message>
        <source>the game has two FEN tags.</source>
        <translation>в партии два тега FEN.</translation>
    </message>
    <message>
        <source>the FEN tag cannot be read: %1.</source>
        <translation>не удаётся прочитать тег FEN: %1.</translation>
    </message>
    <message>
        <source>a comment is not closed with }.</source>
        <translation>комментарий не закрыт символом }.</translation>
    </message>
    <message>
        <source>a ) has no ( before it.</source>
        <translation>перед ) нет (.</translation>
    </message>
    <message>
        <source>a variation is not closed with ).</source>
        <translation>вариант не закрыт символом ).</translation>
    </message>
    <message>
        <source>a %1 is out of place.</source>
        <translation>символ %1 стоит не на месте.</translation>
    </message>
    <message>
        <source>Move %1 is ambiguous. %2.</source>
        <translation>Ход %1 неоднозначен. %2.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a move.</source>
        <translation>«%1» — не ход.</translation>
    </message>
    <message>
        <source>Move %1 cannot be played: %2.</source>
        <translation>Ход %1 невозможен: %2.</translation>
    </message>
    <message>
        <source>The game is longer than %1 half-moves, too long to open.</source>
        <translation>Партия длиннее %1 полуходов — слишком длинная, чтобы её открыть.</translation>
    </message>
    <message>
        <source>The FEN cannot be read: %1.</source>
        <translation>Не удаётся прочитать FEN: %1.</translation>
    </message>
</context>
<context>
    <name>orbel::PgnWriter</name>
    <message>
        <source>The game cannot be exported for other chess programs: %1.</source>
        <translation>Партию нельзя экспортировать для других шахматных программ: %1.</translation>
    </message>
    <message>
        <source>The exported game stops before %1, which standard chess does not allow: %2.</source>
        <translation>Экспортированная партия обрывается перед %1, что запрещено в стандартных шахматах: %2.</translation>
    </message>
</context>
<context>
    <name>orbel::PlayedMove</name>
    <message>
        <source>You %1</source>
        <translation>Вы: %1</translation>
    </message>
    <message>
        <source>Computer %1</source>
        <translation>Компьютер: %1</translation>
    </message>
    <message>
        <source>Opponent %1</source>
        <translation>Соперник: %1</translation>
    </message>
    <message>
        <source>White %1</source>
        <translation>Белые: %1</translation>
    </message>
    <message>
        <source>Black %1</source>
        <translation>Чёрные: %1</translation>
    </message>
    <message>
        <source>You, %1</source>
        <translation>Вы, %1</translation>
    </message>
    <message>
        <source>Computer, %1</source>
        <translation>Компьютер, %1</translation>
    </message>
    <message>
        <source>Opponent, %1</source>
        <translation>Соперник, %1</translation>
    </message>
    <message>
        <source>White, %1</source>
        <translation>Белые, %1</translation>
    </message>
    <message>
        <source>Black, %1</source>
        <translation>Чёрные, %1</translation>
    </message>
    <message>
        <source>You win.</source>
        <translation>Вы победили.</translation>
    </message>
    <message>
        <source>The computer wins.</source>
        <translation>Компьютер победил.</translation>
    </message>
    <message>
        <source>Your opponent wins.</source>
        <translation>Соперник победил.</translation>
    </message>
    <message>
        <source>White wins.</source>
        <translation>Белые победили.</translation>
    </message>
    <message>
        <source>Black wins.</source>
        <translation>Чёрные победили.</translation>
    </message>
    <message>
        <source>, checkmate. %1</source>
        <translation>, мат. %1</translation>
    </message>
    <message>
        <source>, check</source>
        <translation>, шах</translation>
    </message>
    <message>
        <source>, %1. Draw.</source>
        <translation>, %1. Ничья.</translation>
    </message>
</context>
<context>
    <name>orbel::PortMapper</name>
    <message>
        <source>the router did not answer in time</source>
        <translation>роутер не ответил вовремя</translation>
    </message>
    <message>
        <source>the router&apos;s answers could not be read</source>
        <translation>не удаётся разобрать ответы роутера</translation>
    </message>
    <message>
        <source>the port-mapping helper ended</source>
        <translation>вспомогательная программа перенаправления портов завершилась</translation>
    </message>
    <message>
        <source>no pipe for the port-mapping helper</source>
        <translation>нет канала к вспомогательной программе перенаправления портов</translation>
    </message>
    <message>
        <source>the port-mapping helper is missing</source>
        <translation>вспомогательная программа перенаправления портов не найдена</translation>
    </message>
    <message>
        <source>the port-mapping helper could not be started</source>
        <translation>не удалось запустить вспомогательную программу перенаправления портов</translation>
    </message>
</context>
<context>
    <name>orbel::PromotionDialog</name>
    <message>
        <source>Promotion</source>
        <translation>Превращение</translation>
    </message>
    <message>
        <source>The pawn becomes:</source>
        <translation>Пешка превращается в:</translation>
    </message>
    <message>
        <source>&amp;Queen</source>
        <translation>&amp;Ферзя</translation>
    </message>
    <message>
        <source>&amp;Rook</source>
        <translation>&amp;Ладью</translation>
    </message>
    <message>
        <source>&amp;Bishop</source>
        <translation>&amp;Слона</translation>
    </message>
    <message>
        <source>K&amp;night</source>
        <translation>&amp;Коня</translation>
    </message>
</context>
<context>
    <name>orbel::Refusal</name>
    <message>
        <source>That is no move</source>
        <translation>Это не ход</translation>
    </message>
    <message>
        <source>There is no piece there</source>
        <translation>Там нет фигуры</translation>
    </message>
    <message>
        <source>That is not your piece</source>
        <translation>Это не ваша фигура</translation>
    </message>
    <message>
        <source>Your own piece stands there</source>
        <translation>Там стоит ваша фигура</translation>
    </message>
    <message>
        <source>That piece does not move so</source>
        <translation>Эта фигура так не ходит</translation>
    </message>
    <message>
        <source>The way is blocked</source>
        <translation>Путь загорожен</translation>
    </message>
    <message>
        <source>There is nothing to take there</source>
        <translation>Там нечего брать</translation>
    </message>
    <message>
        <source>No en passant in these rules</source>
        <translation>В этих правилах нет взятия на проходе</translation>
    </message>
    <message>
        <source>En passant only right after the double step</source>
        <translation>На проходе можно бить только сразу после двойного хода пешки</translation>
    </message>
    <message>
        <source>The king may not castle through an attacked square</source>
        <translation>Король не может рокироваться через атакованное поле</translation>
    </message>
    <message>
        <source>The king may not castle into check</source>
        <translation>Король не может рокироваться под шах</translation>
    </message>
    <message>
        <source>The king or that rook has moved, or the rook is gone</source>
        <translation>Король или эта ладья уже ходили, или ладьи нет</translation>
    </message>
    <message>
        <source>Your king is in check</source>
        <translation>Вашему королю шах</translation>
    </message>
    <message>
        <source>That piece is pinned to its king</source>
        <translation>Эта фигура связана со своим королём</translation>
    </message>
    <message>
        <source>That square is attacked</source>
        <translation>Это поле атаковано</translation>
    </message>
    <message>
        <source>no game on the board</source>
        <translation>на доске нет партии</translation>
    </message>
    <message>
        <source>nothing in hand</source>
        <translation>в руке нет фигуры</translation>
    </message>
    <message>
        <source>not your move</source>
        <translation>сейчас не ваш ход</translation>
    </message>
    <message>
        <source>no piece chosen</source>
        <translation>фигура не выбрана</translation>
    </message>
</context>
<context>
    <name>orbel::Rules</name>
    <message>
        <source>the king or that rook has moved, or the rook was taken</source>
        <translation>король или эта ладья уже ходили, или ладья взята</translation>
    </message>
    <message>
        <source>the king is in check</source>
        <translation>королю шах</translation>
    </message>
    <message>
        <source>it is not a legal move</source>
        <translation>это недопустимый ход</translation>
    </message>
    <message>
        <source>the king passes through an attacked square</source>
        <translation>король проходит через атакованное поле</translation>
    </message>
    <message>
        <source>the king lands on an attacked square</source>
        <translation>король встаёт на атакованное поле</translation>
    </message>
    <message>
        <source>a pawn stands on the first or last rank</source>
        <translation>пешка стоит на первой или последней горизонтали</translation>
    </message>
    <message>
        <source>White needs exactly one king</source>
        <translation>у белых должен быть ровно один король</translation>
    </message>
    <message>
        <source>Black needs exactly one king</source>
        <translation>у чёрных должен быть ровно один король</translation>
    </message>
    <message>
        <source>a side has more than 8 pawns</source>
        <translation>у одной из сторон больше 8 пешек</translation>
    </message>
    <message>
        <source>a side has more than 16 pieces</source>
        <translation>у одной из сторон больше 16 фигур</translation>
    </message>
    <message>
        <source>the side not to move is in check</source>
        <translation>сторона, которая не ходит, под шахом</translation>
    </message>
</context>
<context>
    <name>orbel::Spoken</name>
    <message>
        <source>piece</source>
        <translation>фигура</translation>
    </message>
    <message>
        <source>pawn</source>
        <translation>пешка</translation>
    </message>
    <message>
        <source>knight</source>
        <translation>конь</translation>
    </message>
    <message>
        <source>bishop</source>
        <translation>слон</translation>
    </message>
    <message>
        <source>rook</source>
        <translation>ладья</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>ферзь</translation>
    </message>
    <message>
        <source>king</source>
        <translation>король</translation>
    </message>
    <message>
        <source>pieces</source>
        <translation>фигуры</translation>
    </message>
    <message>
        <source>pawns</source>
        <translation>пешки</translation>
    </message>
    <message>
        <source>knights</source>
        <translation>кони</translation>
    </message>
    <message>
        <source>bishops</source>
        <translation>слоны</translation>
    </message>
    <message>
        <source>rooks</source>
        <translation>ладьи</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>ферзи</translation>
    </message>
    <message>
        <source>kings</source>
        <translation>короли</translation>
    </message>
    <message>
        <source>white piece</source>
        <translation>белая фигура</translation>
    </message>
    <message>
        <source>white pawn</source>
        <translation>белая пешка</translation>
    </message>
    <message>
        <source>white knight</source>
        <translation>белый конь</translation>
    </message>
    <message>
        <source>white bishop</source>
        <translation>белый слон</translation>
    </message>
    <message>
        <source>white rook</source>
        <translation>белая ладья</translation>
    </message>
    <message>
        <source>white queen</source>
        <translation>белый ферзь</translation>
    </message>
    <message>
        <source>white king</source>
        <translation>белый король</translation>
    </message>
    <message>
        <source>black piece</source>
        <translation>чёрная фигура</translation>
    </message>
    <message>
        <source>black pawn</source>
        <translation>чёрная пешка</translation>
    </message>
    <message>
        <source>black knight</source>
        <translation>чёрный конь</translation>
    </message>
    <message>
        <source>black bishop</source>
        <translation>чёрный слон</translation>
    </message>
    <message>
        <source>black rook</source>
        <translation>чёрная ладья</translation>
    </message>
    <message>
        <source>black queen</source>
        <translation>чёрный ферзь</translation>
    </message>
    <message>
        <source>black king</source>
        <translation>чёрный король</translation>
    </message>
    <message>
        <source>becomes a piece</source>
        <translation>превращается в фигуру</translation>
    </message>
    <message>
        <source>becomes a pawn</source>
        <translation>превращается в пешку</translation>
    </message>
    <message>
        <source>becomes a knight</source>
        <translation>превращается в коня</translation>
    </message>
    <message>
        <source>becomes a bishop</source>
        <translation>превращается в слона</translation>
    </message>
    <message>
        <source>becomes a rook</source>
        <translation>превращается в ладью</translation>
    </message>
    <message>
        <source>becomes a queen</source>
        <translation>превращается в ферзя</translation>
    </message>
    <message>
        <source>becomes a king</source>
        <translation>превращается в короля</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 и %2</translation>
    </message>
    <message>
        <source>no pieces</source>
        <translation>фигур нет</translation>
    </message>
    <message>
        <source>check</source>
        <translation>шах</translation>
    </message>
    <message>
        <source>checkmate</source>
        <translation>мат</translation>
    </message>
    <message>
        <source>castles short</source>
        <translation>короткая рокировка</translation>
    </message>
    <message>
        <source>castles long</source>
        <translation>длинная рокировка</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <translation>%1, пусто</translation>
    </message>
    <message>
        <source>%1 %2 takes %3 %4 en passant</source>
        <translation>%1 %2 бьёт %3 %4 на проходе</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation>%1 %2 на %3</translation>
    </message>
    <message>
        <source>%1 %2 takes %3 %4</source>
        <translation>%1 %2 бьёт %3 %4</translation>
    </message>
    <message>
        <source>takes %1</source>
        <translation>взятие на %1</translation>
    </message>
    <message>
        <source>%1 takes %2</source>
        <translation>%1 берёт на %2</translation>
    </message>
    <message>
        <source>White has %1.</source>
        <translation>У белых: %1.</translation>
    </message>
    <message>
        <source>Black has %1.</source>
        <translation>У чёрных: %1.</translation>
    </message>
    <message>
        <source>White to move, check</source>
        <translation>Ход белых, шах</translation>
    </message>
    <message>
        <source>Black to move, check</source>
        <translation>Ход чёрных, шах</translation>
    </message>
    <message>
        <source>White to move</source>
        <translation>Ход белых</translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation>Ход чёрных</translation>
    </message>
    <message>
        <source>Standard chess rules.</source>
        <translation>Стандартные правила шахмат.</translation>
    </message>
    <message>
        <source>All empty.</source>
        <translation>Всё пусто.</translation>
    </message>
    <message>
        <source>1 empty.</source>
        <translation>1 поле пусто.</translation>
    </message>
    <message>
        <source>%1 empty.</source>
        <translation>Пустых полей: %1.</translation>
    </message>
    <message>
        <source>White has no %1.</source>
        <translation>У белых нет %1.</translation>
    </message>
    <message>
        <source>Black has no %1.</source>
        <translation>У чёрных нет %1.</translation>
    </message>
    <message>
        <source>Rank %1</source>
        <translation>Горизонталь %1</translation>
    </message>
    <message>
        <source>File %1</source>
        <translation>Вертикаль %1</translation>
    </message>
    <message>
        <source>White %1.</source>
        <translation>Белые: %1.</translation>
    </message>
    <message>
        <source>Black %1.</source>
        <translation>Чёрные: %1.</translation>
    </message>
    <message>
        <source>White %1, Black %2.</source>
        <translation>Белые %1, чёрные %2.</translation>
    </message>
    <message>
        <source>Even.</source>
        <translation>Материал равный.</translation>
    </message>
    <message>
        <source>White is %1 ahead.</source>
        <translation>Перевес белых: %1.</translation>
    </message>
    <message>
        <source>Black is %1 ahead.</source>
        <translation>Перевес чёрных: %1.</translation>
    </message>
</context>
<context>
    <name>orbel::SpokenMissing</name>
    <message>
        <source>pieces</source>
        <translation>фигур</translation>
    </message>
    <message>
        <source>pawns</source>
        <translation>пешек</translation>
    </message>
    <message>
        <source>knights</source>
        <translation>коней</translation>
    </message>
    <message>
        <source>bishops</source>
        <translation>слонов</translation>
    </message>
    <message>
        <source>rooks</source>
        <translation>ладей</translation>
    </message>
    <message>
        <source>queens</source>
        <translation>ферзей</translation>
    </message>
    <message>
        <source>king</source>
        <translation>короля</translation>
    </message>
</context>
<context>
    <name>orbel::SpokenTaken</name>
    <message>
        <source>piece</source>
        <translation>фигуру</translation>
    </message>
    <message>
        <source>pawn</source>
        <translation>пешку</translation>
    </message>
    <message>
        <source>knight</source>
        <translation>коня</translation>
    </message>
    <message>
        <source>bishop</source>
        <translation>слона</translation>
    </message>
    <message>
        <source>rook</source>
        <translation>ладью</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>ферзя</translation>
    </message>
    <message>
        <source>king</source>
        <translation>короля</translation>
    </message>
</context>
<context>
    <name>orbel::TimeControl</name>
    <message>
        <source>1 hour</source>
        <translation>1 час</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n час</numerusform>
            <numerusform>%n часа</numerusform>
            <numerusform>%n часов</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>1 минута</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n минута</numerusform>
            <numerusform>%n минуты</numerusform>
            <numerusform>%n минут</numerusform>
        </translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 секунда</translation>
    </message>
    <message numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n секунда</numerusform>
            <numerusform>%n секунды</numerusform>
            <numerusform>%n секунд</numerusform>
        </translation>
    </message>
    <message>
        <source>1 move</source>
        <translation>1 ход</translation>
    </message>
    <message numerus="yes">
        <source>%n moves</source>
        <translation>
            <numerusform>%n ход</numerusform>
            <numerusform>%n хода</numerusform>
            <numerusform>%n ходов</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 each</source>
        <extracomment>%1 is a time, such as &quot;90 minutes&quot;, that both sides have.</extracomment>
        <translation>%1 каждому</translation>
    </message>
    <message>
        <source>%1 for %2</source>
        <extracomment>%1 is a time, such as &quot;90 minutes each&quot;; %2 a number of moves, such as &quot;40 moves&quot;.</extracomment>
        <translation>%1 на %2</translation>
    </message>
    <message>
        <source>%1 for the rest of the game</source>
        <extracomment>%1 is a time, such as &quot;30 minutes&quot;.</extracomment>
        <translation>%1 до конца партии</translation>
    </message>
    <message>
        <source>%1 for the whole game</source>
        <extracomment>%1 is a time, such as &quot;5 minutes each&quot;.</extracomment>
        <translation>%1 на всю партию</translation>
    </message>
    <message>
        <source>%1, up to %2 of every move given back</source>
        <extracomment>A delay (Bronstein): %1 is the time so far, %2 a number of seconds.</extracomment>
        <translation>%1, с возвратом до %2 за каждый ход</translation>
    </message>
    <message>
        <source>%1, %2 added after every move</source>
        <extracomment>An increment (Fischer): %1 is the time so far, %2 a number of seconds.</extracomment>
        <translation>%1, добавление %2 за каждый ход</translation>
    </message>
    <message>
        <source>%1, then %2</source>
        <extracomment>One period of a clock after the other.</extracomment>
        <translation>%1, затем %2</translation>
    </message>
    <message>
        <source>No clock</source>
        <translation>Без часов</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is the clock in PGN&apos;s notation, such as &quot;300+2&quot;; %2 its words.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1: White %2; Black %3</source>
        <extracomment>%1 is the clock in PGN&apos;s notation; %2 White&apos;s time in words, %3 Black&apos;s.</extracomment>
        <translation>%1: белые %2; чёрные %3</translation>
    </message>
    <message>
        <source>no clock</source>
        <extracomment>Inside a sentence, such as &quot;New games: no clock&quot;.</extracomment>
        <translation>без часов</translation>
    </message>
</context>
<context>
    <name>orbel::TimeControlDialog</name>
    <message>
        <source>&amp;No clock</source>
        <translation>&amp;Без часов</translation>
    </message>
    <message>
        <source>&amp;1 minute</source>
        <translation>&amp;1 минута</translation>
    </message>
    <message>
        <source>&amp;3 minutes + 2 seconds a move</source>
        <translation>&amp;3 минуты + 2 секунды за ход</translation>
    </message>
    <message>
        <source>&amp;5 minutes</source>
        <translation>&amp;5 минут</translation>
    </message>
    <message>
        <source>1&amp;0 minutes + 5 seconds a move</source>
        <translation>1&amp;0 минут + 5 секунд за ход</translation>
    </message>
    <message>
        <source>15 m&amp;inutes + 10 seconds a move</source>
        <translation>15 м&amp;инут + 10 секунд за ход</translation>
    </message>
    <message>
        <source>&amp;Custom</source>
        <translation>&amp;Другой</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Вид:</translation>
    </message>
    <message>
        <source>&amp;Minutes:</source>
        <translation>&amp;Минуты:</translation>
    </message>
    <message>
        <source>&amp;Seconds a move:</source>
        <translation>&amp;Секунды за ход:</translation>
    </message>
    <message>
        <source>Mo&amp;ves:</source>
        <translation>&amp;Ходы:</translation>
    </message>
    <message>
        <source>&amp;Then minutes:</source>
        <translation>&amp;Затем минуты:</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>Вид</translation>
    </message>
    <message>
        <source>Minutes</source>
        <translation>Минуты</translation>
    </message>
    <message>
        <source>Seconds a move</source>
        <translation>Секунды за ход</translation>
    </message>
    <message>
        <source>Moves</source>
        <translation>Ходы</translation>
    </message>
    <message>
        <source>Then minutes</source>
        <translation>Затем минуты</translation>
    </message>
    <message>
        <source>kind</source>
        <translation>вид</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>минуты</translation>
    </message>
    <message>
        <source>seconds a move</source>
        <translation>секунды за ход</translation>
    </message>
    <message>
        <source>moves</source>
        <translation>ходы</translation>
    </message>
    <message>
        <source>then minutes</source>
        <translation>затем минуты</translation>
    </message>
    <message>
        <source>Time Control</source>
        <translation>Контроль времени</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Другой</translation>
    </message>
    <message>
        <source>Black</source>
        <translation>Чёрные</translation>
    </message>
    <message>
        <source>&amp;Black gets a different time</source>
        <translation>&amp;Чёрным — другое время</translation>
    </message>
    <message>
        <source>Sudden death</source>
        <translation>Без добавления</translation>
    </message>
    <message>
        <source>Increment (Fischer)</source>
        <translation>Добавление (Фишер)</translation>
    </message>
    <message>
        <source>Delay (Bronstein)</source>
        <translation>Задержка (Бронштейн)</translation>
    </message>
    <message>
        <source>Moves per period</source>
        <translation>Ходов за период</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Белые</translation>
    </message>
    <message>
        <source>Each side</source>
        <translation>Обе стороны</translation>
    </message>
    <message>
        <source>Black&apos;s %1</source>
        <extracomment>A field&apos;s name to a screen reader: %1 is one of &quot;kind&quot;, &quot;minutes&quot;, ...</extracomment>
        <translation>Чёрные: %1</translation>
    </message>
    <message>
        <source>White&apos;s %1</source>
        <extracomment>A field&apos;s name to a screen reader: %1 is one of &quot;kind&quot;, &quot;minutes&quot;, ...</extracomment>
        <translation>Белые: %1</translation>
    </message>
</context>
<context>
    <name>orbel::UciEngine</name>
    <message>
        <source>The engine could not be started.</source>
        <translation>Не удалось запустить движок.</translation>
    </message>
    <message>
        <source>The engine did not answer</source>
        <translation>Движок не ответил</translation>
    </message>
    <message>
        <source>The engine did not answer in time.</source>
        <translation>Движок не ответил вовремя.</translation>
    </message>
    <message>
        <source>The engine sent an illegal move: %1</source>
        <translation>Движок прислал недопустимый ход: %1</translation>
    </message>
    <message>
        <source>The engine stopped working.</source>
        <translation>Движок перестал работать.</translation>
    </message>
</context>
<context>
    <name>orbel::WaitingDialog</name>
    <message>
        <source>&amp;Call Again</source>
        <translation>Вызвать &amp;снова</translation>
    </message>
    <message>
        <source>&amp;End Game</source>
        <translation>&amp;Конец игры</translation>
    </message>
</context>
<context>
    <name>orbel::text</name>
    <message>
        <source>Internet Game</source>
        <translation>Игра через Интернет</translation>
    </message>
    <message>
        <source>Failed Connection!</source>
        <translation>Не удалось подключиться!</translation>
    </message>
    <message>
        <source>WinSock problem - Internet play unavailable</source>
        <translation>Ошибка WinSock — игра через Интернет недоступна</translation>
    </message>
    <message>
        <source>Socket Binding Error - Internet play unavailable</source>
        <translation>Ошибка привязки сокета — игра через Интернет недоступна</translation>
    </message>
    <message>
        <source>Connection Problem - Check network settings</source>
        <translation>Ошибка подключения — проверьте настройки сети</translation>
    </message>
    <message>
        <source>Connection Timeout!</source>
        <translation>Время ожидания подключения истекло!</translation>
    </message>
    <message>
        <source>Connection Refused!</source>
        <translation>В подключении отказано!</translation>
    </message>
    <message>
        <source>Incoming Request for network game!</source>
        <translation>Приглашение в сетевую игру!</translation>
    </message>
    <message>
        <source>Error has occured</source>
        <translation>Произошла ошибка</translation>
    </message>
    <message>
        <source>Accept request for a game from %1
(%2)?</source>
        <translation>Принять приглашение в игру от %1
(%2)?</translation>
    </message>
    <message>
        <source>Connection lost — waiting for %1 to come back</source>
        <translation>Связь потеряна — ждём возвращения игрока %1</translation>
    </message>
    <message>
        <source>Game request denied</source>
        <translation>Приглашение отклонено</translation>
    </message>
    <message>
        <source>Opponent is playing someone else</source>
        <translation>Соперник играет с кем-то другим</translation>
    </message>
    <message>
        <source>Opponent unavailable</source>
        <translation>Соперник недоступен</translation>
    </message>
    <message>
        <source>Congratulations! Your opponent has resigned!</source>
        <translation>Поздравляем! Ваш соперник сдался!</translation>
    </message>
    <message>
        <source>Opponent has disconnected</source>
        <translation>Соперник отключился</translation>
    </message>
    <message>
        <source>Transmission Error - Check you Internet connection</source>
        <translation>Ошибка передачи — проверьте подключение к Интернету</translation>
    </message>
    <message>
        <source>Transmission Error! - Check you Internet connection</source>
        <translation>Ошибка передачи! — проверьте подключение к Интернету</translation>
    </message>
    <message>
        <source>Transmission Error - Check your Internet connection</source>
        <translation>Ошибка передачи — проверьте подключение к Интернету</translation>
    </message>
    <message>
        <source>Transmission Error - Check you network connection</source>
        <translation>Ошибка передачи — проверьте подключение к сети</translation>
    </message>
    <message>
        <source>CloseConn() WSAAsyncSelect()</source>
        <translation>CloseConn() WSAAsyncSelect()</translation>
    </message>
    <message>
        <source>The connection was already closed.</source>
        <translation>Соединение уже было закрыто.</translation>
    </message>
    <message>
        <source>Your opponent sent a move that is not possible in this position. The game has been ended.</source>
        <translation>Соперник прислал ход, невозможный в этой позиции. Партия завершена.</translation>
    </message>
    <message>
        <source>White to move</source>
        <translation>Ход белых</translation>
    </message>
    <message>
        <source>Black to move</source>
        <translation>Ход чёрных</translation>
    </message>
    <message>
        <source>Check!</source>
        <translation>Шах!</translation>
    </message>
    <message>
        <source>CheckMate!</source>
        <translation>Мат!</translation>
    </message>
    <message>
        <source>Game Over</source>
        <translation>Игра окончена</translation>
    </message>
    <message>
        <source>Computer Resign</source>
        <translation>Компьютер сдаётся</translation>
    </message>
    <message>
        <source>Resign!</source>
        <translation>Вы сдались!</translation>
    </message>
    <message>
        <source>Internal Error</source>
        <translation>Внутренняя ошибка</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Save Game</source>
        <translation>Сохранить игру</translation>
    </message>
    <message>
        <source>An error has occurred that will most likely terminate your game.

Report all errors of this nature to Tessaly (bugs@orbelchess.example)</source>
        <translation>Произошла ошибка, которая, скорее всего, прервёт вашу игру.

Сообщайте обо всех таких ошибках в Tessaly (bugs@orbelchess.example)</translation>
    </message>
    <message>
        <source>Keys on the board
Arrow keys, move the cursor one square; up is away from you
Space or Enter, pick up the piece under the cursor, then put it down
Escape, put a picked-up piece back, or clear a typed move
Type a move and press Enter, for example e4, Nf3, exd5, O-O or e2e4; under standard rules e8=N
Backspace, take back the last typed letter
F2, the last move again, in full
F3, the rank the cursor is on
F4, the file the cursor is on
F5, the material count
F6, your pieces; Shift+F6, your opponent&apos;s pieces
F7, both clocks in a timed game; F8, pause or resume them at one board
Control+Shift+K, Q, R, B, N or P, where the kings, queens, rooks, bishops, knights or pawns stand
Page Up and Page Down, step back and forward through the moves; Home and End, the first and the last
Control+R, the whole position
Control+H, a hint: a chess engine&apos;s move for you, said and drawn as an arrow
Control+U, undo your last move
F10, the menus; F1, this list
Options, Announce Moves and Sounds turn the spoken moves and the sounds off and on
</source>
        <translation>Клавиши на доске
Стрелки, курсор на одно поле; вверх — от вас
Пробел или Enter, взять фигуру под курсором, затем поставить её
Escape, вернуть взятую фигуру на место или стереть набранный ход
Наберите ход и нажмите Enter, например e4, Кf3, exd5, O-O или e2e4; по стандартным правилам e8=К
Backspace, стереть последнюю набранную букву
F2, последний ход ещё раз, полностью
F3, горизонталь, на которой курсор
F4, вертикаль, на которой курсор
F5, подсчёт материала
F6, ваши фигуры; Shift+F6, фигуры соперника
F7, показания обоих часов в партии с контролем времени; F8, остановить или запустить их при игре за одной доской
Ctrl+Shift+K, Q, R, B, N или P, где стоят короли, ферзи, ладьи, слоны, кони или пешки
Page Up и Page Down, шаг назад и вперёд по ходам; Home и End, первый и последний ход
Ctrl+R, вся позиция
Ctrl+H, подсказка: ход шахматного движка для вас, озвучивается и рисуется стрелкой
Ctrl+U, отменить ваш последний ход
F10, меню; F1, этот список
Параметры, Озвучивать ходы и Звуки включают и выключают озвучивание ходов и звуки
</translation>
    </message>
    <message>
        <source>Orbel Chess Version 3.0

© 2026 the Orbel Chess developers</source>
        <translation>Шахматы Orbel, версия 3.0

© 2026 разработчики «Шахмат Orbel»</translation>
    </message>
    <message>
        <source>Orbel Chess is a complete chess game with the added feature of direct Internet play. 

- Orbel Chess&apos;s main AI includes three difficulty levels for customized game play.

</source>
        <translation>«Шахматы Orbel» — полноценная шахматная игра с возможностью играть напрямую через Интернет. 

- Встроенный искусственный интеллект «Шахмат Orbel» имеет три уровня сложности, чтобы игра была вам по силам.

</translation>
    </message>
    <message>
        <source>- Direct Internet play support allows for friends to challenge each other from remote locations.

All bugs should be reported to bugs@orbelchess.example</source>
        <translation>- Прямая игра через Интернет позволяет друзьям бросать друг другу вызов, где бы они ни находились.

Обо всех ошибках сообщайте по адресу bugs@orbelchess.example</translation>
    </message>
    <message>
        <source>Orbel Chess has undergone many changes which are listed below.

- Direct Internet play support! Orbel Chess now allows users to challenge friends across the Internet.

- Two player option 

- Ability to save and reload games

</source>
        <translation>«Шахматы Orbel» сильно изменились; изменения перечислены ниже.

- Прямая игра через Интернет! Теперь в «Шахматы Orbel» можно сразиться с друзьями через Интернет.

- Игра вдвоём 

- Сохранение и загрузка партий

</translation>
    </message>
    <message>
        <source>- GUI improvements including option to view chess board coordinates

- Key bug fixes to make the game as stable as ever.</source>
        <translation>- Улучшения интерфейса, в том числе показ координат шахматной доски

- Важные исправления ошибок — игра стабильна как никогда.</translation>
    </message>
</context>
</TS>

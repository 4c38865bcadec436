@echo off
rem The console game in its own window (double-click this file): every game
rem added to %APPDATA%\quelmaro\games.pgn (the folder made when missing), and,
rem once the game is over, the window kept open until one key is pressed, so
rem that the last board and the result stay in sight (the game itself then
rem waits for no key of its own).
if not exist "%APPDATA%\quelmaro" mkdir "%APPDATA%\quelmaro" 2>nul
"%~dp0quelmaro.exe" --record "%APPDATA%\quelmaro\games.pgn" --no-exit-key %*
pause

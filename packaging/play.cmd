@echo off
rem The console game in its own window (double-click this file): once the
rem game is over, the window stays open until a key is pressed, so that the
rem last board and the result stay in sight.
"%~dp0quelmaro.exe" %*
pause

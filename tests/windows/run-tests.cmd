@echo off
rem Runs the Windows test binary natively with LOMVIST_PROGRAM naming the program beside it, as the
rem hosted CI job does on Windows and ctest does under Wine's cmd, and ends with its status. The
rem code page 932 cases need a prefix or a machine of that code page and are left out.
rem Usage: run-tests.cmd [BUILD_FOLDER]   (holding lomvist.exe and tests\lomvist_tests.exe;
rem by default build\mingw of this tree)
setlocal
set "build=%~1"
if "%build%"=="" set "build=%~dp0..\..\build\mingw"
for %%F in ("%build%") do set "build=%%~fF"
if not exist "%build%\tests\lomvist_tests.exe" (
  echo run-tests.cmd: %build% holds no tests\lomvist_tests.exe>&2
  exit /b 2
)
set "LOMVIST_PROGRAM=%build%\lomvist.exe"
"%build%\tests\lomvist_tests.exe" --gtest_filter=-CodePage932.*
exit /b %ERRORLEVEL%

# The hosted Windows job's look at the MSI as a fleet deploys it: a silent install for the machine,
# the machine PATH with exactly one entry for the folder, a new shell that finds lomvist there and
# whose report gives the entry no finding, a repair that adds nothing, a major upgrade to UPGRADE
# (the same files at a higher version), and the uninstall, after which the machine PATH must be
# the same bytes as before. The step's verdict is this script's own: it stops with 1 at the first
# fault and ends with 0, never with the status of the last program it ran.
# Usage: pwsh tests\windows\msi-cycle.ps1 MSI UPGRADE
param([Parameter(Mandatory)][string]$Msi, [Parameter(Mandatory)][string]$Upgrade)
$ErrorActionPreference = 'Stop'
$key = 'HKLM:\System\CurrentControlSet\Control\Session Manager\Environment'
function Get-MachinePath { (Get-Item $key).GetValue('Path', '', 'DoNotExpandEnvironmentNames') }
function Invoke-Msiexec([string[]]$Arguments) {
  $run = Start-Process msiexec.exe -ArgumentList ($Arguments + '/qn', '/l*v', 'msi.log') -Wait -PassThru
  if ($run.ExitCode -notin 0, 3010) {
    Get-Content msi.log -Tail 30
    throw "msiexec $Arguments ended with $($run.ExitCode)"
  }
}
$folder = Join-Path $env:ProgramFiles 'Lomvist\'
function Assert-OneEntry([string]$When) {
  $found = @((Get-MachinePath) -split ';' | Where-Object { $_ -eq $folder }).Count
  if ($found -ne 1) { throw "${When}: the machine PATH holds $found entries for ${folder}: $(Get-MachinePath)" }
}
# The uninstall entries named Lomvist, as Windows PowerShell 5.1 and PowerShell 7 both read them.
function Get-Installed {
  @(Get-ChildItem HKLM:\Software\Microsoft\Windows\CurrentVersion\Uninstall | Get-ItemProperty |
    Where-Object DisplayName -eq 'Lomvist')
}

$before = Get-MachinePath
Invoke-Msiexec '/i', $Msi
Assert-OneEntry 'after the install'
# A process sees the new PATH only once it starts after the change, with the environment that a
# new logon builds; the runner's own was built before.
$env:Path = [Environment]::GetEnvironmentVariable('Path', 'Machine') + ';' +
  [Environment]::GetEnvironmentVariable('Path', 'User')
$found = cmd /d /c 'where lomvist'
if ($found -notcontains (Join-Path $folder 'lomvist.exe')) { throw "a new shell finds: $found" }
# Lomvist's status counts what it found in the runner's PATH, which is the runner's business; a
# negative one is a crash.
$report = @(cmd /d /c 'lomvist PATH')
if ($LASTEXITCODE -lt 0) { throw "lomvist PATH ended with $LASTEXITCODE" }
$line = [array]::IndexOf($report, "D: ($folder)")
if ($line -lt 0 -or ($line + 1 -lt $report.Count -and $report[$line + 1].StartsWith(' '))) {
  throw "the report does not give the entry D: without findings: $($report -join "`n")"
}
Invoke-Msiexec '/fa', $Msi
Invoke-Msiexec '/i', $Msi
Assert-OneEntry 'after a repair and a second install'
$old = (Get-Installed).PSChildName
Invoke-Msiexec '/i', $Upgrade
Assert-OneEntry 'after the upgrade'
$installed = Get-Installed
if ($installed.Count -ne 1 -or $installed[0].PSChildName -eq $old) {
  throw "after the upgrade the installed products are: $($installed.PSChildName)"
}
& (Join-Path $folder 'lomvist.exe') -h | Out-Null
if ($LASTEXITCODE -ne 0) { throw "the upgraded lomvist.exe -h ended with $LASTEXITCODE" }
Invoke-Msiexec '/x', $installed[0].PSChildName
if (Test-Path $folder) { throw "the uninstall left $folder" }
$after = Get-MachinePath
if ($after -cne $before) { throw "the machine PATH was`n$before`nand is`n$after" }
"installed $old, upgraded it to $($installed[0].DisplayVersion) and uninstalled it; the machine PATH is as it was"
exit 0

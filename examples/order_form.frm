VERSION 5.00
Object = "{A204361F-019D-469C-9D58-120B5BE02315}#1.0#0"; "FolivanTabs.ocx"
Begin VB.Form Form1 
   Caption         =   "Form1"
   ClientHeight    =   4800
   ClientWidth     =   6600
   ScaleHeight     =   4800
   ScaleWidth      =   6600
   Begin FolivanTabs.FolivanTab FolivanTab1 
      Height          =   4200
      Left            =   240
      TabIndex        =   0
      Top             =   240
      Width           =   6000
      _ExtentX        =   10583
      _ExtentY        =   7408
      BeginProperty FONT {0BE35203-8F91-11CE-9DE3-00AA004BB851} 
         Name            =   "Tahoma"
         Size            =   8.25
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      Tabs            =   3
      StripH          =   20
      Caption         =   "&Customer"
      ForeCol         =   0
      HiddR           =   2
      BLD             =   -1  'True
      HT              =   -1  'True
      TabCaption(0)   =   "&Customer"
      TabToolTip(0)   =   "Who orders"
      Access(0)       =   "C"
      TabContCtrlCnt(0)=   6
      Tab(0)ContCtrlCap(1)=   "lblName[0]"
      Tab(0)CtrlEnabled(1)=   -1  'True
      Tab(0)CtrlTabStop(1)=   0   'False
      Tab(0)ContCtrlCap(2)=   "txtName[0]"
      Tab(0)CtrlEnabled(2)=   -1  'True
      Tab(0)CtrlTabStop(2)=   -1  'True
      Tab(0)ContCtrlCap(3)=   "lblPhone[0]"
      Tab(0)CtrlEnabled(3)=   -1  'True
      Tab(0)CtrlTabStop(3)=   0   'False
      Tab(0)ContCtrlCap(4)=   "txtPhone[0]"
      Tab(0)CtrlEnabled(4)=   -1  'True
      Tab(0)CtrlTabStop(4)=   -1  'True
      Tab(0)ContCtrlCap(5)=   "cmdOK[0]"
      Tab(0)CtrlEnabled(5)=   -1  'True
      Tab(0)CtrlTabStop(5)=   -1  'True
      Tab(0)ContCtrlCap(6)=   "cmdCancel[0]"
      Tab(0)CtrlEnabled(6)=   -1  'True
      Tab(0)CtrlTabStop(6)=   -1  'True
      TabCaption(1)   =   "&Items"
      TabToolTip(1)   =   "What is ordered"
      Access(1)       =   "I"
      TabContCtrlCnt(1)=   4
      Tab(1)ContCtrlCap(1)=   "lstItems[0]"
      Tab(1)CtrlEnabled(1)=   -1  'True
      Tab(1)CtrlTabStop(1)=   -1  'True
      Tab(1)ContCtrlCap(2)=   "optSize[0]"
      Tab(1)CtrlEnabled(2)=   -1  'True
      Tab(1)CtrlTabStop(2)=   -1  'True
      Tab(1)ContCtrlCap(3)=   "optSize[1]"
      Tab(1)CtrlEnabled(3)=   -1  'True
      Tab(1)CtrlTabStop(3)=   -1  'True
      Tab(1)ContCtrlCap(4)=   "linSeparator[0]"
      Tab(1)CtrlEnabled(4)=   0   'False
      Tab(1)CtrlTabStop(4)=   0   'False
      TabCaption(2)   =   "&Delivery"
      TabToolTip(2)   =   "Where it goes"
      Access(2)       =   "D"
      TabContCtrlCnt(2)=   2
      Tab(2)ContCtrlCap(1)=   "txtAddress[0]"
      Tab(2)CtrlEnabled(1)=   -1  'True
      Tab(2)CtrlTabStop(1)=   -1  'True
      Tab(2)ContCtrlCap(2)=   "chkExpress[0]"
      Tab(2)CtrlEnabled(2)=   -1  'True
      Tab(2)CtrlTabStop(2)=   -1  'True
      DCtrlCount      =   2
      DefCtrlCap(1)   =   "cmdOK[0]"
      DefCtrlCap(2)   =   "cmdCancel[0]"
      Begin VB.Label lblName 
         Height          =   255
         Left            =   240
         TabIndex        =   0
         Top             =   720
         Width           =   1095
         Caption         =   "Name:"
      End
      Begin VB.TextBox txtName 
         Height          =   315
         Left            =   1440
         TabIndex        =   1
         Top             =   660
         Width           =   3000
      End
      Begin VB.Label lblPhone 
         Height          =   255
         Left            =   240
         TabIndex        =   0
         Top             =   1140
         Width           =   1095
         Caption         =   "Phone:"
      End
      Begin VB.TextBox txtPhone 
         Height          =   315
         Left            =   1440
         TabIndex        =   2
         Top             =   1080
         Width           =   2000
      End
      Begin VB.ListBox lstItems 
         Height          =   1620
         Left            =   -74760
         TabIndex        =   3
         Top             =   660
         Width           =   3500
      End
      Begin VB.OptionButton optSize 
         Height          =   255
         Index           =   0
         Left            =   -71040
         TabIndex        =   4
         Top             =   720
         Width           =   1335
         Caption         =   "Small"
      End
      Begin VB.OptionButton optSize 
         Height          =   255
         Index           =   1
         Left            =   -71040
         TabIndex        =   5
         Top             =   1020
         Width           =   1335
         Caption         =   "Large"
      End
      Begin VB.Line linSeparator 
         X1              =   -74760
         X2              =   -69400
         Y1              =   2460
         Y2              =   2460
      End
      Begin VB.TextBox txtAddress 
         Height          =   1215
         Left            =   -74760
         TabIndex        =   6
         Top             =   660
         Width           =   4000
      End
      Begin VB.CheckBox chkExpress 
         Height          =   255
         Left            =   -74760
         TabIndex        =   7
         Top             =   2040
         Width           =   2000
         Caption         =   "Express"
      End
      Begin VB.CommandButton cmdOK 
         Height          =   375
         Left            =   3480
         TabIndex        =   8
         Top             =   3480
         Width           =   1095
         Caption         =   "OK"
      End
      Begin VB.CommandButton cmdCancel 
         Height          =   375
         Left            =   4680
         TabIndex        =   9
         Top             =   3480
         Width           =   1095
         Caption         =   "Cancel"
      End
   End
End
Attribute VB_Name = "Form1"
Attribute VB_GlobalNameSpace = False
Attribute VB_Creatable = False
Attribute VB_PredeclaredId = True
Attribute VB_Exposed = False
